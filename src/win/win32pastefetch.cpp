// Whether the target fetched a paste: the clipboard's readers after the paste
// keys went out, counted by process, and the target's answers to messages,
// which say when it has taken every key before ours.

#include "win/win32services.h"

QVector<quint32> Win32Services::targetProcesses(WindowHandle target)
{
    QVector<quint32> group;
    quint32 pid = 0;
    api.windowThreadProcessId(target, &pid);
    if (pid)
        group << pid;
    const WindowHandle top = api.topLevelWindow(target);
    for (quint32 p : api.childWindowProcesses(top ? top : target)) {
        if (p && !group.contains(p))
            group << p;
    }
    for (int i = 0, n = group.size(); i < n; ++i) {
        for (quint32 p : api.descendantProcesses(group.at(i))) {
            if (p && !group.contains(p))
                group << p;
        }
    }
    return group;
}

void Win32Services::pasteGoesOut()
{
    m_watch = PasteWatch();
    m_watch.fetchesBefore = api.pasteFetchers().size();
}

void Win32Services::noteFetchers()
{
    // A read of the text before the paste went out is not the paste, even by
    // the target's own process (a clipboard history of its own reads every
    // change): the text is rendered then, and the paste itself can no longer
    // be seen. It counts as another program's.
    const QVector<quint32> fetchers = api.pasteFetchers();
    for (int i = m_watch.seen; i < fetchers.size(); ++i) {
        const quint32 pid = fetchers.at(i);
        if (i >= m_watch.fetchesBefore && pid && m_watch.group.contains(pid))
            m_watch.byTarget = true;
        else
            m_watch.byOthers = true;
    }
    m_watch.seen = qMax(m_watch.seen, fetchers.size());
}

PasteFetch Win32Services::settledAnswer()
{
    if (m_watch.byTarget)
        return PasteFetch::Fetched;
    return m_watch.byOthers ? judgeByField() : PasteFetch::NotFetched;
}

// The target has fetched the text when a process of its own asked for it
// after the paste went out. The user's content goes back only once the
// target has also taken every key before and with our chord (it answers at
// once, several times in a row: it waits for its next message), or it would
// paste that content instead; a fetch alone does not say so (another thread
// of its process may have read the text). A target busy with earlier keys is
// waited for as long as it stays alive, up to a limit.
PasteFetch Win32Services::awaitFetched(WindowHandle target, int settleMs)
{
    // No target named: the keys went to the window in front.
    if (!target)
        target = api.foregroundWindow();
    m_watch.active = true;
    m_watch.target = target;
    m_watch.group = targetProcesses(target);
    const quint32 start = api.tickCount();
    PasteFetch answer = PasteFetch::NotFetched;
    for (;;) {
        // Asked first: the target may fetch the text while it is waited for.
        const Answer now = api.isWindow(target) ? api.probe(target, IdleAnswerMs) : Answer::Hung;
        noteFetchers();
        const quint32 waited = api.tickCount() - start;
        if (!api.isWindow(target)) {
            answer = m_watch.byTarget   ? PasteFetch::Fetched
                     : m_watch.byOthers ? PasteFetch::Unsure
                                        : PasteFetch::NotFetched;
            break;
        }
        // A thread answers between two messages, but one with keys still
        // queued takes the next at once and is busy again: only a thread
        // waiting for its next message answers several times in a row.
        m_watch.quiet = now == Answer::Answered ? m_watch.quiet + 1 : 0;
        if (m_watch.quiet >= QuietAnswers &&
            (m_watch.byTarget || waited >= quint32(PasteFetchWaitMs))) {
            answer = settledAnswer();
            break;
        }
        if (now == Answer::Hung || waited >= quint32(PasteBusyLimitMs)) {
            // Its paste has read the text: what it does next is its own.
            answer = m_watch.byTarget ? PasteFetch::Fetched : PasteFetch::Pending;
            break;
        }
        api.sleep(PastePollMs);
    }
    // The target reads the text between its GetClipboardData and its
    // CloseClipboard; a restore before then waits for the clipboard anyway.
    if (answer == PasteFetch::Fetched)
        api.sleep(settleMs);
    resumeShortcuts();
    // Still on its way, it is looked at again later (checkFetched).
    if (answer != PasteFetch::Pending) {
        m_watch = PasteWatch();
        m_witness = Witness();
    }
    return answer;
}

PasteFetch Win32Services::checkFetched(WindowHandle)
{
    if (!m_watch.active)
        return PasteFetch::NotFetched;
    const WindowHandle target = m_watch.target;
    PasteFetch answer = PasteFetch::Pending;
    // The clipboard no longer holds our text (the user copied since):
    // nothing of ours can be pasted now.
    if (!api.clipboardHoldsOurPaste()) {
        answer = PasteFetch::NotFetched;
    } else {
        const Answer now = api.isWindow(target) ? api.probe(target, IdleAnswerMs) : Answer::Hung;
        noteFetchers();
        m_watch.quiet = now == Answer::Answered ? m_watch.quiet + 1 : 0;
        if (!api.isWindow(target))
            answer = m_watch.byTarget   ? PasteFetch::Fetched
                     : m_watch.byOthers ? PasteFetch::Unsure
                                        : PasteFetch::NotFetched;
        else if (m_watch.quiet >= QuietAnswers)
            answer = settledAnswer();
        else if (now == Answer::Hung && m_watch.byTarget)
            answer = PasteFetch::Fetched;
    }
    if (answer != PasteFetch::Pending) {
        m_watch = PasteWatch();
        m_witness = Witness();
    }
    return answer;
}

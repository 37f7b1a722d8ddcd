// Commands a later start hands over (a desktop's binding, a script): told
// from a held shortcut's repeats, kept in order behind a text going out,
// carried out and answered.

#include "dispatch/phrasedispatcher.h"

#include "base/testtrace.h"
#include "dispatch/dispatchui.h"
#include "store/phrasestore.h"

#include <QCoreApplication>
#include <QTimer>

#include <memory>

bool PhraseDispatcher::waitsForTyping(std::function<void()> request)
{
    // While the user fills in a phrase's fields too: the text that follows
    // goes where it was meant to, and one window of fields is open at a time.
    if (!m_typing && !m_asking)
        return false;
    m_pending.enqueue(std::move(request));
    return true;
}

void PhraseDispatcher::carryOutPending()
{
    if (m_typing || m_asking || m_pending.isEmpty())
        return;
    const std::function<void()> next = m_pending.dequeue();
    next();
    // The next one after this, unless this one typed or asks (then it
    // follows the text).
    if (!m_typing && !m_asking && !m_pending.isEmpty())
        QTimer::singleShot(0, this, &PhraseDispatcher::carryOutPending);
}

void PhraseDispatcher::startAsking()
{
    m_asking = true;
    emit fieldsAsked();
}

PhraseDispatcher::Answer PhraseDispatcher::sayingWaiting(const Answer &answer)
{
    // The sender's limit is for the text going out, not for a person
    // filling in a form: it is told that the answer follows, for as long as
    // that takes. A copy that hangs stops saying it, and the sender gives up.
    auto beat = std::make_shared<QTimer>();
    beat->setInterval(m_waitingBeatMs);
    QTimer *running = beat.get(); // stopped once the answer went
    const auto sayIt = [this, running, answer] {
        if (m_asking && running->isActive())
            answer(RemoteCommand::Reply{false, QString(), true});
    };
    connect(beat.get(), &QTimer::timeout, this, sayIt);
    // At once when a window of fields opens, not up to a beat later: the
    // sender's limit may be nearly spent by what went before.
    connect(this, &PhraseDispatcher::fieldsAsked, beat.get(), sayIt);
    beat->start();
    return [beat, answer](const RemoteCommand::Reply &reply) {
        beat->stop();
        answer(reply);
    };
}

void PhraseDispatcher::carryOut(const RemoteCommand::Request &request, const Answer &given)
{
    const Answer answer = given && request.waitsOnUser ? sayingWaiting(given) : given;
    // Judged as it comes, before any wait: a desktop that runs a held
    // shortcut's command again at every key repeat gets one phrase per
    // press. The repeat is part of a press that was carried out.
    if (!m_commandClock.isValid())
        m_commandClock.start();
    if (!m_repeats.isNewPress(request, m_commandClock.elapsed())) {
        TestTrace::line(QStringLiteral("command %1 repeated").arg(int(request.verb)));
        // Answered as the press it repeats: "done" before the press is
        // would tell the desktop a text went in that may yet fail.
        if (answer && m_onceDone)
            answer(m_onceReply);
        else if (answer)
            m_onceWaiting.append({m_oncePress, answer});
        return;
    }
    Answer told = answer;
    if (request.once) {
        const quint64 press = ++m_oncePress;
        m_onceDone = false;
        told = [this, press, answer](const RemoteCommand::Reply &reply) {
            if (press == m_oncePress) {
                m_onceDone = true;
                m_onceReply = reply;
            }
            if (answer)
                answer(reply);
            // Taken out before any is answered: an answer may bring the
            // next command in.
            QVector<Answer> repeats;
            for (int i = 0; i < m_onceWaiting.size();) {
                if (m_onceWaiting.at(i).first == press)
                    repeats.append(m_onceWaiting.takeAt(i).second);
                else
                    ++i;
            }
            for (const auto &repeat : repeats)
                repeat(reply);
        };
    }
    // One at a time: a command that comes while a text goes out (its wait
    // loops serve the channel) waits for it, so two texts never interleave
    // and the window in front stays the target.
    RemoteCommand::Request judged = request;
    judged.once = false;        // a new press, already told from its repeats
    judged.waitsOnUser = false; // told has its beat already
    if (waitsForTyping([this, judged, told] { carryOut(judged, told); }))
        return;
    carryOutNow(request, told);
}

void PhraseDispatcher::carryOutNow(const RemoteCommand::Request &request, const Answer &told)
{
    using RemoteCommand::Verb;
    TestTrace::line(QStringLiteral("command %1").arg(int(request.verb)));
    emit commandArrived(request.verb);
    RemoteCommand::Reply reply;
    reply.ok = true;
    switch (request.verb) {
    case Verb::Probe:
        // A start with --data-dir asks which folder this copy keeps its
        // list in: one that names another is told, not handed over.
        reply.text = store->dataFolder();
        break;
    case Verb::Unknown:
        reply = {false, QCoreApplication::translate(
                            "MainWindow", "This Zem Scrivlet does not know the command “%1”: it is "
                                          "an older version than the one that sent it.")
                            .arg(request.name)};
        break;
    case Verb::Show:
    case Verb::ToggleWindow:
    case Verb::TogglePanel:
        ui->windowCommand(request.verb);
        break;
    case Verb::Type: {
        // The first enabled phrase of that exact name, in list order.
        QString id;
        for (const Phrase &p : store->phrases()) {
            if (p.enabled && p.name == request.name) {
                id = p.id;
                break;
            }
        }
        if (id.isEmpty()) {
            reply = {false,
                     QCoreApplication::translate("MainWindow", "No enabled phrase is named “%1”.")
                         .arg(request.name)};
            break;
        }
        aimAtWindowInFront(); // as the phrase's shortcut does
        // A phrase with fields is answered once they are filled in and it
        // is typed (or not).
        bool asked = false;
        const QString failure = typePhrase(
            id,
            [told](const QString &outcome) {
                if (told)
                    told({outcome.isEmpty(), outcome});
            },
            &asked);
        if (asked)
            return;
        reply = {failure.isEmpty(), failure};
        break;
    }
    case Verb::Picker:
        if (m_paused)
            reply = {false, QCoreApplication::translate("MainWindow", "Shortcuts are paused.")};
        else if (!ui->pickerOpen())
            onPickerShortcut();
        break;
    case Verb::Pause:
    case Verb::Resume:
        if (m_paused != (request.verb == Verb::Pause))
            togglePause();
        break;
    case Verb::List:
        reply.text = RemoteCommand::listing(store->phrases());
        break;
    case Verb::Import:
        reply = ui->importFile(request.name);
        break;
    }
    if (told)
        told(reply);
}

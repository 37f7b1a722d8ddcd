// Abbreviations typed in other programs: the key stream feeds the matcher,
// and a match is carried out on the roads a phrase's shortcut takes.

#include "dispatch/phrasedispatcher.h"

#include "base/testtrace.h"
#include "insert/insertion.h"
#include "insert/targetwindow.h"
#include "platform/keystream.h"
#include "store/phrasestore.h"

#include <QTimer>

void PhraseDispatcher::refreshAbbreviations()
{
    QVector<AbbreviationMatcher::Entry> entries;
    for (const Phrase &p : store->phrases()) {
        if (p.enabled && !p.abbreviation.isEmpty())
            entries.append({p.abbreviation, p.id, p.matchCase});
    }
    m_abbreviations.setAbbreviations(entries);
    m_abbreviations.setMode(store->settings().abbreviationsAfterDelimiter
                                ? AbbreviationMatcher::Mode::AfterDelimiter
                                : AbbreviationMatcher::Mode::AtOnce);
    if (!m_abbreviationIdle) {
        m_abbreviationIdle = new QTimer(this);
        m_abbreviationIdle->setSingleShot(true);
        m_abbreviationIdle->setInterval(AbbreviationMatcher::IdleMs);
        connect(m_abbreviationIdle, &QTimer::timeout, this,
                [this] { m_abbreviations.forgetTyped(); });
    }
    // Nothing is read while nothing could expand: the stream names every key.
    KeyStream *stream = desktop ? desktop->keyStream() : nullptr;
    const bool wanted = stream && !m_paused && !m_quitting && !entries.isEmpty();
    if (wanted && !m_keyStreamOn) {
        m_keyStreamOn = stream->start([this](const TypedKey &key) { onTypedKey(key); });
        m_abbreviations.clear();
    } else if (!wanted && m_keyStreamOn) {
        stream->stop();
        m_keyStreamOn = false;
    }
}

void PhraseDispatcher::onTypedKey(const TypedKey &key)
{
    if (m_expanding) {
        // The replacement under way sees to them.
        m_pendingKeys.append(key);
        return;
    }
    if (m_asking && !isOwnWindow(desktop->targets().foregroundWindow()))
        m_workedElsewhere = true;
    if (m_paused || m_typing || m_asking) {
        m_abbreviations.clear();
        return;
    }
    const AbbreviationMatcher::Action action = feedAbbreviations(key);
    if (action.kind != AbbreviationMatcher::Action::None) {
        m_expanding = true;
        m_pendingKeys.clear();
        QTimer::singleShot(0, this, [this, action] { carryOutAbbreviation(action); });
    }
}

AbbreviationMatcher::Action PhraseDispatcher::feedAbbreviations(const TypedKey &key)
{
    // What was typed goes when no key follows for a while, whether or not
    // another one ever comes.
    if (m_abbreviationIdle)
        m_abbreviationIdle->start();
    const quint32 now = desktop->clock().tickCount();
    switch (key.kind) {
    case TypedKey::Text:
        return m_abbreviations.typed(key.text, now);
    case TypedKey::BackSpace:
        return m_abbreviations.backspace(now);
    case TypedKey::Break:
        break;
    }
    m_abbreviations.clear();
    return {};
}

void PhraseDispatcher::carryOutAbbreviation(const AbbreviationMatcher::Action &action)
{
    m_expanding = true;
    const WindowHandle window = desktop->targets().foregroundWindow();
    // Not in our own windows, nor where the user's rule keeps phrases or
    // abbreviations out, nor in a field whose text cannot be seen, nor in
    // one of a program that did not say in time what its field is (it may
    // be a password field: the user typed without choosing to put a phrase
    // there).
    TargetApp app;
    const auto ruleRefuses = [this, window, &app] {
        if (!desktop->targets().targetApplication(window, &app))
            return false;
        const InsertPlan road = InsertPlans::resolve(app, store->settings().appRules);
        return road.method == InsertMethod::Never || !road.abbreviations;
    };
    const auto fieldRefuses = [this, window] {
        const FieldKind field = desktop->caret().focusedField(window);
        return field == FieldKind::Password || field == FieldKind::ReadOnly ||
               field == FieldKind::Unanswered;
    };
    if (!window || isOwnWindow(window) || ruleRefuses() || fieldRefuses()) {
        TestTrace::line(QStringLiteral("abbreviation %1 not here").arg(action.abbreviation));
        finishAbbreviations(window, 0, false);
        return;
    }
    // From here on the user's keys wait until the phrase is in (the checks
    // above come first: the toolkit of a target that sees its keys go
    // elsewhere may no longer name its focused field).
    KeyStream *stream = desktop->keyStream();
    m_keyHold = stream && stream->hold();
    // The abbreviation's last key may still be down: BackSpace must not
    // meet it. Then every key typed before the hold (or before now, without
    // one) is known.
    if (!waitForKeysReleased(*desktop) || (stream && !stream->sync())) {
        finishAbbreviations(window, 0, false);
        return;
    }
    // Keys typed after the abbreviation that reached the target before the
    // hold: they are erased with it and typed again after the phrase, where
    // they would have landed had it gone in at once.
    int reached = 0;
    int reachedErase = 0;
    for (; reached < m_pendingKeys.size() && !m_pendingKeys.at(reached).held; ++reached) {
        const TypedKey &key = m_pendingKeys.at(reached);
        if (key.kind != TypedKey::Text) {
            // A BackSpace or a click there: what the target holds is unknown.
            finishAbbreviations(window, 0, false);
            return;
        }
        reachedErase += AbbreviationText::eraseCount(key.text);
    }
    if (abbreviationAsks(action, window))
        return;
    const bool erased = replaceAbbreviation(action, window, reachedErase);
    finishAbbreviations(window, erased ? reached : 0, erased);
}

bool PhraseDispatcher::replaceAbbreviation(const AbbreviationMatcher::Action &action,
                                           WindowHandle window, int extraErase)
{
    KeyboardOutput &keyboard = desktop->keyboard();
    const int erase = action.erase + extraErase;
    if (keyboard.pressKey(EditKey::BackSpace, erase) != erase) {
        m_abbreviations.clear();
        return false;
    }
    if (action.kind == AbbreviationMatcher::Action::Undo) {
        if (typeExactly(keyboard, action.retype))
            TestTrace::line(QStringLiteral("abbreviation undone"));
        m_abbreviations.clear();
        return true;
    }
    m_targetWindow = window;
    m_keysOnly = true;
    m_suffix = action.retype; // typed after the phrase, before its caret moves
    m_typedAbbreviation = action.abbreviation;
    const QString failure = typePhrase(action.id);
    m_keysOnly = false;
    m_suffix.clear();
    m_typedAbbreviation.clear();
    if (!failure.isEmpty()) {
        // Shown once the keys are the user's again: a dialog now could not
        // be answered.
        m_abbreviationNotice = failure;
        m_abbreviations.clear();
        return true;
    }
    if (m_caretMoved)
        m_abbreviations.clear(); // BackSpace now erases inside the phrase
    else
        m_abbreviations.expanded(action, m_lastInserted);
    TestTrace::line(QStringLiteral("abbreviation %1 expanded").arg(action.abbreviation));
    return true;
}

int PhraseDispatcher::finishAbbreviations(WindowHandle window, int retyped, bool replaceMore)
{
    KeyStream *stream = m_keyHold ? desktop->keyStream() : nullptr;
    if (!replaceMore)
        m_abbreviations.clear();
    // New keys may join the list while earlier ones are seen to.
    int i = 0;
    for (;;) {
        while (i < m_pendingKeys.size()) {
            const TypedKey key = m_pendingKeys.at(i++);
            if (i <= retyped) {
                if (!typeExactly(desktop->keyboard(), key.text))
                    replaceMore = false;
            } else if (key.held) {
                if (stream && !stream->pass(key.held))
                    replaceMore = false;
            } else {
                // It reached the target among our keys: where, nobody knows.
                m_abbreviations.clear();
                continue;
            }
            if (!replaceMore)
                continue;
            const AbbreviationMatcher::Action next = feedAbbreviations(key);
            if (next.kind != AbbreviationMatcher::Action::None)
                replaceMore = replaceAbbreviation(next, window, 0);
        }
        if (!stream || stream->release())
            break;
    }
    // Keys that came as the hold ended went on unseen.
    if (!replaceMore || i < m_pendingKeys.size())
        m_abbreviations.clear();
    const int came = m_pendingKeys.size();
    m_pendingKeys.clear();
    m_keyHold = false;
    m_expanding = false;
    if (!m_abbreviationNotice.isEmpty()) {
        const QString text = m_abbreviationNotice;
        m_abbreviationNotice.clear();
        QTimer::singleShot(0, this, [this, text] { emit notice(text); });
    }
    return came;
}

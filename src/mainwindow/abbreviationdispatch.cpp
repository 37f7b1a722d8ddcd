// Abbreviations typed in other programs: the key stream feeds the matcher,
// and a match is carried out on the roads a phrase's shortcut takes.

#include "mainwindow/mainwindow.h"

#include "app/testtrace.h"
#include "insert/insertion.h"
#include "insert/targetwindow.h"
#include "platform/keystream.h"
#include "store/phrasestore.h"

#include <QTimer>

void MainWindow::refreshAbbreviations()
{
    QVector<AbbreviationMatcher::Entry> entries;
    for (const Phrase &p : store->phrases()) {
        if (p.enabled && !p.abbreviation.isEmpty())
            entries.append({p.abbreviation, p.id});
    }
    m_abbreviations.setAbbreviations(entries);
    m_abbreviations.setMode(store->settings().abbreviationsAfterDelimiter
                                ? AbbreviationMatcher::Mode::AfterDelimiter
                                : AbbreviationMatcher::Mode::AtOnce);
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

void MainWindow::onTypedKey(const TypedKey &key)
{
    // Keys typed while a phrase goes out land among its keys: what was
    // typed before is no longer what the target holds.
    if (m_paused || m_typing || m_expanding) {
        m_abbreviations.clear();
        return;
    }
    AbbreviationMatcher::Action action;
    switch (key.kind) {
    case TypedKey::Text:
        action = m_abbreviations.typed(key.text);
        break;
    case TypedKey::BackSpace:
        action = m_abbreviations.backspace();
        break;
    case TypedKey::Break:
        m_abbreviations.clear();
        break;
    }
    if (action.kind != AbbreviationMatcher::Action::None) {
        m_expanding = true; // the keys until it is carried out are not counted
        QTimer::singleShot(0, this, [this, action] { carryOutAbbreviation(action); });
    }
}

void MainWindow::carryOutAbbreviation(const AbbreviationMatcher::Action &action)
{
    m_expanding = true;
    const auto done = [this] {
        m_expanding = false;
        m_abbreviations.clear();
    };
    const WindowHandle window = desktop->targets().foregroundWindow();
    // Not in our own windows, nor where the user's rule keeps phrases out,
    // nor in a field whose text cannot be seen.
    TargetApp app;
    if (!window || isOwnWindow(window) ||
        (desktop->targets().targetApplication(window, &app) &&
         AppRoads::resolve(app, store->settings().appRules).road == AppRoad::Never) ||
        desktop->caret().isPasswordField(window)) {
        TestTrace::line(QStringLiteral("abbreviation %1 not here").arg(action.abbreviation));
        done();
        return;
    }
    // The abbreviation's last key may still be down: BackSpace must not
    // meet it.
    KeyboardOutput &keyboard = desktop->keyboard();
    if (!waitForKeysReleased(*desktop) ||
        keyboard.pressKey(EditKey::BackSpace, action.erase) != action.erase) {
        done();
        return;
    }
    if (action.kind == AbbreviationMatcher::Action::Undo) {
        typeExactly(keyboard, action.retype);
        TestTrace::line(QStringLiteral("abbreviation undone"));
        done();
        return;
    }
    m_targetWindow = window;
    m_keysOnly = true;
    m_suffix = action.retype; // typed after the phrase, before its caret moves
    const QString notice = typePhraseFor(action.id);
    m_keysOnly = false;
    m_suffix.clear();
    if (!notice.isEmpty()) {
        showNotice(notice);
        done();
        return;
    }
    m_expanding = false;
    if (m_caretMoved)
        m_abbreviations.clear(); // BackSpace now erases inside the phrase
    else
        m_abbreviations.expanded(action, m_lastInserted);
    TestTrace::line(QStringLiteral("abbreviation %1 expanded").arg(action.abbreviation));
}

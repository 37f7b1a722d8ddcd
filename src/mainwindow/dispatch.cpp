// From a global shortcut to text in another program's window: the remembered
// target window, the pause switch and typing.

#include "mainwindow/mainwindow.h"

#include "base/testtrace.h"
#include "hotkeys/hotkeymanager.h"
#include "insert/insertion.h"
#include "insert/targetwindow.h"
#include "mainwindow/textwidgetinsert.h"
#include "panel/floatingpanel.h"
#include "picker/pickerwindow.h"
#include "store/phrasestore.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDateTime>
#include <QStatusBar>
#include <QTimer>

bool MainWindow::isOwnWindow(WindowHandle window) const
{
    return desktop && window && isOwnProcessWindow(*desktop, window);
}

void MainWindow::onShowHotkey()
{
    if (isVisible() && !isMinimized()) {
        hide();
        TestTrace::line(QStringLiteral("window hidden"));
        return;
    }
    m_targetWindow = 0;
    showNormal();
    raise();
    activateWindow();
    TestTrace::line(QStringLiteral("window shown"));
}

void MainWindow::onPickerHotkey()
{
    if (m_picker->isVisible()) {
        m_picker->dismiss();
        return;
    }
    m_targetWindow = desktop ? desktop->targets().foregroundWindow() : 0;
    // One of our own windows in front: the phrase goes to the field that has
    // the focus there now, before the picker takes the focus away.
    m_ownTargetField = isOwnWindow(m_targetWindow) ? ownFocusedField(m_targetWindow) : nullptr;
    QPoint point = QCursor::pos();
    if (desktop) {
        // The caret is read once the shortcut's key is up: until then the
        // keyboard grab has taken the focus from the target (X11).
        waitForShortcutKeysUp(*desktop, ShortcutReleaseWaitMs);
        point = caretPosition(*desktop, m_targetWindow);
    }
    m_picker->setPhrases(store->phrases(), store->settings().pickerRecentFirst);
    // Above one of our modal dialogs the picker is a modal window itself:
    // opened last, it is the one window that takes keys and clicks.
    m_picker->setWindowModality(QApplication::activeModalWidget() ? Qt::ApplicationModal
                                                                  : Qt::NonModal);
    m_picker->showAt(point);
    // A window manager may keep the focus where the user was typing; the
    // picker asks for it outright. Refused, it still takes clicks.
    if (desktop) {
        const WindowHandle picker = WindowHandle(m_picker->winId());
        desktop->ownWindows().placeOwnWindow(picker, physicalFrame(m_picker->windowHandle()));
        desktop->ownWindows().activateOwnWindow(picker, PickerFocusWaitMs);
    }
}

void MainWindow::onPhraseChosen(const QString &id)
{
    // Chosen with Enter: its repeats would follow the phrase.
    constexpr int VkReturn = 0x0D;
    m_triggerKeys = {VkReturn};
    typePhrase(id);
}

void MainWindow::onPickerDismissed()
{
    // Unmapped, the picker leaves the keyboard to nobody until the window
    // manager picks a window, and a key pressed meanwhile (the next letter,
    // a shortcut) is lost: the window it opened over gets it back at once.
    const QPointer<QWidget> field = m_ownTargetField;
    const WindowHandle target = m_targetWindow;
    m_ownTargetField = nullptr;
    m_targetWindow = 0;
    if (!desktop)
        return;
    if (field && field->isVisible()) {
        QWidget *top = field->window();
        top->activateWindow();
        field->setFocus(Qt::OtherFocusReason);
        desktop->ownWindows().activateOwnWindow(WindowHandle(top->winId()), PickerFocusWaitMs);
    } else if (target && desktop->targets().isWindow(target) && !isOwnWindow(target)) {
        desktop->targets().bringToFront(target);
    }
}

void MainWindow::carryOutPending()
{
    if (m_typing || m_pendingCommands.isEmpty())
        return;
    const PendingCommand next = m_pendingCommands.dequeue();
    carryOut(next.request, next.answer);
    // The next one after this, unless this one typed (then it follows the
    // text).
    if (!m_typing && !m_pendingCommands.isEmpty())
        QTimer::singleShot(0, this, &MainWindow::carryOutPending);
}

QWidget *MainWindow::ownFocusedField(WindowHandle window) const
{
    // The window's own record of its focus outlives the keyboard grab of
    // the shortcut, which may have taken the application's focus away.
    if (QWidget *top = QWidget::find(WId(window))) {
        if (QWidget *field = top->window()->focusWidget())
            return field;
    }
    return QApplication::focusWidget();
}

void MainWindow::aimAtWindowInFront()
{
    if (m_picker->isVisible())
        m_picker->hide();
    m_ownTargetField = nullptr;
    m_targetWindow = desktop ? desktop->targets().foregroundWindow() : 0;
    if (isOwnWindow(m_targetWindow))
        m_targetWindow = 0;
}

void MainWindow::onPhraseHotkey(const QString &id)
{
    aimAtWindowInFront();
    // The shortcut's own key, besides the modifiers, is waited for: a key
    // stuck down elsewhere is not.
    const int index = store->indexOfId(id);
    if (index >= 0)
        m_triggerKeys = {store->phrases().at(index).vk};
    typePhrase(id);
}

void MainWindow::onFloatingType(const QString &id)
{
    // The click may have made the panel the foreground window: the target is
    // the window the user was working in before, as the panel saw it.
    m_ownTargetField = nullptr; // the panel types into other programs only
    WindowHandle candidate = m_panel ? m_panel->lastExternalWindow() : 0;
    if (desktop &&
        (!candidate || !desktop->targets().isWindow(candidate) || isOwnWindow(candidate)))
        candidate = desktop->targets().foregroundWindow();
    m_targetWindow = isOwnWindow(candidate) ? 0 : candidate;
    // Paused, the button says why nothing was typed.
    if (m_paused && m_panel)
        m_panel->showRowNote(id, FloatingPanel::pausedTypeText(),
                             FloatingPanel::pausedTypeShortText(), true);
    typePhrase(id);
}

void MainWindow::onFloatingCopy(const QString &id)
{
    const int index = store->indexOfId(id);
    if (index < 0)
        return;
    const QString text = textNow(store->phrases().at(index)).text;
    // Through the desktop, which knows whether the clipboard took it; without
    // one, read back.
    ClipboardPut put = ClipboardPut::Failed;
    if (desktop) {
        put = desktop->clipboard().putText(text, ClipboardOffer::ForUser);
    } else if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(text, QClipboard::Clipboard);
        if (clipboard->text(QClipboard::Clipboard) == text)
            put = ClipboardPut::Put;
    }
    if (!m_panel)
        return;
    const QString copied = tr("Copied");
    const QString notCopied = tr("Not copied");
    switch (put) {
    case ClipboardPut::Put:
        m_panel->showRowNote(id, copied, copied, false);
        break;
    case ClipboardPut::Untouched:
        m_panel->showRowNote(id, tr("Not copied: another program holds the clipboard."), notCopied,
                             true);
        break;
    case ClipboardPut::Failed:
        m_panel->showRowNote(id, tr("Not copied: the clipboard could not be set."), notCopied,
                             true);
        break;
    }
}

Placeholders::Expanded MainWindow::textNow(const Phrase &phrase)
{
    if (!phrase.placeholders)
        return {phrase.text, 0};
    Placeholders::Context context;
    context.now = QDateTime::currentDateTime();
    context.locale = QLocale();
    context.clipboard = [] {
        const QClipboard *clipboard = QGuiApplication::clipboard();
        return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
    };
    return Placeholders::expand(phrase.text, context);
}

void MainWindow::typePhrase(const QString &id)
{
    typePhraseFor(id);
}

QString MainWindow::typePhraseFor(const QString &id)
{
    // Set by the shortcut or the picker that asked for this phrase only.
    const QVector<int> triggerKeys = m_triggerKeys;
    m_triggerKeys.clear();
    if (m_paused)
        return tr("Shortcuts are paused.");
    if (!desktop)
        return tr("There is no window system to type into.");
    const int index = store->indexOfId(id);
    if (index < 0)
        return tr("The phrase is gone.");
    // A copy: typing waits inside nested event loops, and the list may change
    // meanwhile.
    const Placeholders::Expanded expanded = textNow(store->phrases().at(index));
    const QString &text = expanded.text;

    WindowHandle window = m_targetWindow;
    if (!window || !desktop->targets().isWindow(window) || isOwnWindow(window))
        window = desktop->targets().foregroundWindow();

    // While the text goes out, nested event loops serve the clipboard; a show
    // request from a second start waits until the text is in.
    m_typing = true;
    // One of our own windows in front: the text goes straight into its
    // focused text field. Keys and a paste sent to ourselves would be served
    // only after this call, with the clipboard already put back.
    InsertResult result;
    TargetApp app;
    // The field the picker was opened over, if it is still there.
    const QPointer<QWidget> ownField = m_ownTargetField;
    m_ownTargetField = nullptr;
    const bool ownWindowInFront = isOwnWindow(window);
    if (ownWindowInFront) {
        // Guarded: the wait for the focus below runs the event loop.
        const QPointer<QWidget> field =
            ownField && ownField->isVisible() ? ownField.data() : QApplication::focusWidget();
        if (ownField && field == ownField) {
            // The picker had the focus: it goes back where the user was.
            QWidget *top = field->window();
            top->activateWindow();
            field->setFocus(Qt::OtherFocusReason);
            if (desktop)
                desktop->ownWindows().activateOwnWindow(WindowHandle(top->winId()),
                                                        PickerFocusWaitMs);
        }
        m_caretMoved = expanded.leftPresses > 0;
        if (insertIntoTextWidget(field, text)) {
            result.outcome = InsertOutcome::Delivered;
            moveCursorBack(field, expanded.leftPresses);
        }
    } else {
        // The application's road: the user's rules, then the terminals'.
        InsertPlan road;
        if (window && desktop->targets().targetApplication(window, &app))
            road = InsertPlans::resolve(app, store->settings().appRules);
        road.keysOnly = m_keysOnly;
        // The abbreviation's delimiter and the caret's way back to {cursor}
        // go with the text: each key only once the user's keys are up, and
        // only into the target.
        InsertExtras extras;
        extras.suffix = m_suffix;
        extras.caretBack = expanded.leftPresses;
        extras.triggerKeys = triggerKeys;
        extras.keeper = &m_clipboardKeeper;
        result = insertText(*desktop, text, window, road, extras);
        if (m_clipboardKeeper.waiting()) {
            if (!m_keeperTimer) {
                m_keeperTimer = new QTimer(this);
                m_keeperTimer->setInterval(ClipboardKeeper::PollMs);
                connect(m_keeperTimer, &QTimer::timeout, this, &MainWindow::pollClipboardKeeper);
            }
            m_keeperTimer->start();
        }
        m_caretMoved = result.caretMoved;
    }
    m_typing = false;
    m_targetWindow = 0;
    if (m_showPending) {
        m_showPending = false;
        QTimer::singleShot(0, this, &MainWindow::showMainWindow);
    }
    if (!m_pendingCommands.isEmpty())
        QTimer::singleShot(0, this, &MainWindow::carryOutPending);
    if (result.delivered())
        m_lastInserted = text;
    if (ownWindowInFront && !result.delivered()) {
        // Typed from a command or a shortcut while one of our windows was in
        // front without a text field to take it: not the fault of a target.
        const QString notice =
            tr("Zem Scrivlet's own window is in front: switch to the window the phrase should "
               "go into, then try again.");
        showBalloon(notice, true);
        TestTrace::line(QStringLiteral("typed %1 refused").arg(id));
        return notice;
    }
    const QString notice = reportInsertion(result, app.preferred);
    if (!result.delivered()) {
        TestTrace::line(QStringLiteral("typed %1 refused").arg(id));
        return notice.isEmpty() ? tr("The target window did not accept the text.") : notice;
    }
    const int now = store->indexOfId(id);
    if (now < 0) {
        TestTrace::line(QStringLiteral("typed %1 accepted").arg(id));
        return QString(); // deleted while its text was being typed
    }
    store->phrases()[now].lastUsed = QDateTime::currentSecsSinceEpoch();
    const bool saved = store->save();
    TestTrace::line(QStringLiteral("typed %1 accepted %2")
                        .arg(id, saved ? QStringLiteral("saved") : QStringLiteral("unsaved")));
    return QString();
}

void MainWindow::carryOut(const RemoteCommand::Request &request,
                          const std::function<void(const RemoteCommand::Reply &)> &answer)
{
    using RemoteCommand::Verb;
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
    std::function<void(const RemoteCommand::Reply &)> told = answer;
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
            QVector<std::function<void(const RemoteCommand::Reply &)>> repeats;
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
    if (m_typing) {
        RemoteCommand::Request judged = request;
        judged.once = false; // a new press, already told from its repeats
        m_pendingCommands.enqueue({judged, told});
        return;
    }
    TestTrace::line(QStringLiteral("command %1").arg(int(request.verb)));
    noteCommandFromDesktop(request.verb);
    RemoteCommand::Reply reply;
    reply.ok = true;
    switch (request.verb) {
    case Verb::Probe:
        break;
    case Verb::Unknown:
        reply = {false, tr("This Zem Scrivlet does not know the command “%1”: it is an older "
                           "version than the one that sent it.")
                            .arg(request.name)};
        break;
    case Verb::Show:
        showMainWindow();
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
            reply = {false, tr("No enabled phrase is named “%1”.").arg(request.name)};
            break;
        }
        aimAtWindowInFront(); // as the phrase's shortcut does
        const QString failure = typePhraseFor(id);
        reply = {failure.isEmpty(), failure};
        break;
    }
    case Verb::Picker:
        if (m_paused)
            reply = {false, tr("Shortcuts are paused.")};
        else if (!m_picker->isVisible())
            onPickerHotkey();
        break;
    case Verb::ToggleWindow:
        onShowHotkey();
        break;
    case Verb::TogglePanel:
        toggleFloatingPanel(!store->settings().showFloatingPanel);
        break;
    case Verb::Pause:
    case Verb::Resume:
        if (m_paused != (request.verb == Verb::Pause))
            togglePause();
        break;
    case Verb::List:
        reply.text = RemoteCommand::listing(store->phrases());
        break;
    }
    if (told)
        told(reply);
}

void MainWindow::togglePause()
{
    m_paused = !m_paused;
    m_abbreviations.clear();
    retranslateUi();
    registerShortcuts();
    if (m_panel)
        m_panel->setPaused(m_paused);
}

QString MainWindow::reportInsertion(const InsertResult &result, const QString &application)
{
    QString text;
    switch (result.outcome) {
    case InsertOutcome::Delivered:
        break;
    case InsertOutcome::NotAccepted:
        text = tr("The target window did not accept the text.");
        break;
    case InsertOutcome::NotResponding:
        text = tr("The window in front did not respond in time.");
        break;
    case InsertOutcome::ReadOnlyField:
        text = tr("The text field in front is read-only.");
        break;
    case InsertOutcome::PasswordField:
        text = tr("The text field in front is a password field: phrases are not put into "
                  "password fields.");
        break;
    case InsertOutcome::SingleLineField:
        text = tr("The text field in front takes one line, and this phrase has several.");
        break;
    case InsertOutcome::KeysHeld:
        text = tr("Nothing was typed: the shortcut's keys were held down too long.");
        break;
    case InsertOutcome::LeftOnClipboard:
        text = tr("The window in front runs as administrator: the phrase has replaced your "
                  "clipboard. Press Ctrl+V to paste it.");
        break;
    case InsertOutcome::NotHere:
        text = tr("Phrases are not put into %1: so says its rule in Options, Applications.")
                   .arg(application);
        break;
    case InsertOutcome::MayHaveArrived:
        text = result.clipboardNotRestored
                   ? tr("The phrase may still be pasted: the window in front has not yet taken "
                        "the paste key. Look before you try again.")
                   : tr("The phrase may have been pasted: another program read it from the "
                        "clipboard first. Look before you try again.");
        break;
    case InsertOutcome::PasteQueued:
        text = tr("The phrase may still be pasted: the window in front has not yet taken the "
                  "paste key. Look before you try again.");
        break;
    case InsertOutcome::MayStillArrive:
        text = tr("The phrase may still arrive: the window in front did not answer in time. "
                  "Look before you try again.");
        break;
    case InsertOutcome::EarlierPasteWaiting:
        text = tr("Nothing was pasted: the window in front has not yet taken the phrase pasted "
                  "before, which is still on the clipboard.");
        break;
    case InsertOutcome::ClipboardUnavailable:
        text = tr("Nothing was pasted: the clipboard could not be had (another program holds it, "
                  "or the program whose content it is does not answer).");
        break;
    }
    // The user's clipboard is theirs: what could not be kept is said, too.
    QString clipboard;
    if (result.clipboardNotRestored)
        clipboard = tr("Your clipboard could not be put back.");
    else if (result.clipboardLostFormats > 0)
        clipboard = tr("Part of your clipboard could not be kept.");
    if (!clipboard.isEmpty())
        text = text.isEmpty() ? clipboard : text + QLatin1Char(' ') + clipboard;
    // The user's own rule refusing is news, not a fault.
    const bool fault = (!result.delivered() && result.outcome != InsertOutcome::NotHere) ||
                       result.clipboardNotRestored;
    if (!text.isEmpty())
        showBalloon(text, fault);
    return text;
}

void MainWindow::pollClipboardKeeper()
{
    // Never while a text goes out: that insertion looks itself.
    if (m_typing || !desktop)
        return;
    InsertResult result;
    if (!m_clipboardKeeper.poll(*desktop, &result))
        return;
    m_keeperTimer->stop();
    if (result.clipboardNotRestored)
        showBalloon(tr("Your clipboard could not be put back: the window the phrase was pasted "
                       "into has still not taken it."),
                    true);
    else if (result.clipboardLostFormats > 0)
        showBalloon(tr("Part of your clipboard could not be kept."), false);
}

void MainWindow::onRegistrationFailed(const QString &text)
{
    statusBar()->showMessage(tr("Could not register shortcut: %1").arg(text), RegistrationNoticeMs);
    // The window is hidden most of the time: the tray tells too, once for
    // all the shortcuts refused together.
    if (m_refusedShortcuts.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            const QString names = m_refusedShortcuts.join(QStringLiteral(", "));
            m_refusedShortcuts.clear();
            showBalloon(tr("Could not register shortcut: %1").arg(names), true);
        });
    }
    m_refusedShortcuts << text;
}

// The window's side of dispatch: the picker and the panel are made and their
// requests go to the dispatcher, and what the dispatcher reports is shown.

#include "mainwindow/mainwindow.h"

#include "base/testtrace.h"
#include "dispatch/phrasedispatcher.h"
#include "hotkeys/hotkeymanager.h"
#include "mainwindow/dispatchwidgets.h"
#include "panel/floatingpanel.h"
#include "picker/pickerwindow.h"
#include "store/phrasestore.h"

#include <QStatusBar>
#include <QTimer>

#include <utility>

void MainWindow::createDispatcher()
{
    m_dispatchWidgets = std::make_unique<DispatchWidgets>(this, store, desktop);
    m_dispatcher = std::make_unique<PhraseDispatcher>(store, desktop, m_dispatchWidgets.get());
    PhraseDispatcher *dispatcher = m_dispatcher.get();
    connect(dispatcher, &PhraseDispatcher::message, this, &MainWindow::showBalloon);
    connect(dispatcher, &PhraseDispatcher::notice, this,
            [this](const QString &text) { showNotice(text); });
    connect(dispatcher, &PhraseDispatcher::pausedChanged, this, &MainWindow::onPausedChanged);
    connect(dispatcher, &PhraseDispatcher::commandArrived, this,
            &MainWindow::noteCommandFromDesktop);
    connect(dispatcher, &PhraseDispatcher::phraseUsed, this, &MainWindow::onPhraseUsed);
    connect(dispatcher, &PhraseDispatcher::typingFinished, this, [this] {
        if (m_showPending) {
            m_showPending = false;
            QTimer::singleShot(0, this, &MainWindow::showMainWindow);
        }
    });
}

void MainWindow::onPausedChanged(bool paused)
{
    retranslateUi();
    registerShortcuts();
    if (m_panel)
        m_panel->setPaused(paused);
}

void MainWindow::onShowHotkey()
{
    if (isVisible() && !isMinimized()) {
        hide();
        TestTrace::line(QStringLiteral("window hidden"));
        return;
    }
    m_dispatcher->forgetTarget();
    showNormal();
    raise();
    activateWindow();
    TestTrace::line(QStringLiteral("window shown"));
}

void MainWindow::onFloatingType(const QString &id)
{
    // Paused, the button says why nothing was typed.
    if (m_dispatcher->paused() && m_panel)
        m_panel->showRowNote(id, FloatingPanel::pausedTypeText(),
                             FloatingPanel::pausedTypeShortText(), true);
    m_dispatcher->typeFromPanel(id, m_panel ? m_panel->lastExternalWindow() : 0);
}

void MainWindow::onFloatingCopy(const QString &id)
{
    // Told once the phrase is on the clipboard: a phrase with fields is
    // copied after they are filled in.
    QPointer<MainWindow> self(this);
    m_dispatcher->copyPhrase(id, [self, id](ClipboardPut put) {
        if (self)
            self->showCopied(id, put);
    });
}

void MainWindow::showCopied(const QString &id, ClipboardPut put)
{
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

void MainWindow::onRegistrationFailed(const QString &text)
{
    statusBar()->showMessage(tr("Could not register shortcut: %1").arg(text), RegistrationNoticeMs);
    // The window is hidden most of the time: the tray tells too, once for
    // all the shortcuts refused together.
    if (m_refusedShortcuts.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            const QString notice = refusedShortcutsNotice(m_refusedShortcuts);
            m_refusedShortcuts.clear();
            showBalloon(notice, true);
        });
    }
    m_refusedShortcuts << text;
}

QString MainWindow::refusedShortcutsNotice(const QStringList &refused)
{
    if (refused.size() <= RefusedShortcutsNamed)
        return tr("Could not register shortcut: %1").arg(refused.join(QStringLiteral(", ")));
    return tr("Could not register %n shortcuts, among them: %1", nullptr, refused.size())
        .arg(refused.mid(0, RefusedShortcutsNamed).join(QStringLiteral(", ")));
}

void MainWindow::createPicker()
{
    m_picker = std::make_unique<PickerWindow>();
    m_picker->setDesktop(desktop);
    // The panel makes way for it where it could cover it (see eventFilter).
    m_picker->installEventFilter(this);
    // Before opacityChanged is connected: the stored value needs no saving.
    m_picker->setOpacityPercent(store->settings().pickerOpacity);
    connect(m_picker.get(), &PickerWindow::phraseChosen, m_dispatcher.get(),
            &PhraseDispatcher::onPhraseChosen);
    connect(m_picker.get(), &PickerWindow::dismissed, m_dispatcher.get(),
            &PhraseDispatcher::onPickerDismissed);
    connect(m_picker.get(), &PickerWindow::opacityChanged, this, [this](int percent) {
        store->settings().pickerOpacity = percent;
        store->save();
    });
}

void MainWindow::createPanel()
{
    m_panel = std::make_unique<FloatingPanel>(desktop);
    FloatingPanel *panel = m_panel.get();
    connect(panel, &FloatingPanel::pauseClicked, m_dispatcher.get(),
            &PhraseDispatcher::togglePause);
    connect(panel, &FloatingPanel::copyPhrase, this, &MainWindow::onFloatingCopy);
    connect(panel, &FloatingPanel::typePhrase, this, &MainWindow::onFloatingType);
    connect(panel, &FloatingPanel::closedByUser, this, &MainWindow::onPanelClosedByUser);
    // Each change is written at once; a value the panel only repeats is not.
    const auto saveIf = [this](bool changed) {
        if (changed)
            store->save();
    };
    connect(panel, &FloatingPanel::opacityChanged, this, [this, saveIf](int percent) {
        int &stored = store->settings().floatingPanelOpacity;
        saveIf(std::exchange(stored, percent) != percent);
    });
    connect(panel, &FloatingPanel::buttonVisibilityChanged, this, [this, panel, saveIf] {
        Settings &s = store->settings();
        const bool changed = s.floatingPanelShowCopy != panel->showCopy() ||
                             s.floatingPanelShowType != panel->showType();
        s.floatingPanelShowCopy = panel->showCopy();
        s.floatingPanelShowType = panel->showType();
        saveIf(changed);
    });
    connect(panel, &FloatingPanel::textLinesChanged, this, [this, saveIf](int lines) {
        saveIf(std::exchange(store->settings().floatingPanelTextLines, lines) != lines);
    });
    connect(panel, &FloatingPanel::snapToEdgeChanged, this, [this, saveIf](bool snap) {
        saveIf(std::exchange(store->settings().floatingPanelSnapToEdge, snap) != snap);
    });
    connect(panel, &FloatingPanel::geometryChanged, this,
            [this, saveIf] { saveIf(storePanelState()); });
}

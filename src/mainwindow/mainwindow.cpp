#include "mainwindow/mainwindow.h"

#include "base/hotkey.h"
#include "base/language.h"
#include "base/testtrace.h"
#include "dispatch/phrasedispatcher.h"
#include "hotkeys/hotkeymanager.h"
#include "hotkeys/shortcutcapture.h"
#include "mainwindow/contentdialog.h"
#include "mainwindow/dispatchwidgets.h"
#include "mainwindow/windowplace.h"
#include "panel/floatingpanel.h"
#include "picker/pickerwindow.h"
#include "platform/keystream.h"
#include "platform/windowframe.h"
#include "store/phrasestore.h"
#include "theme/elidedtext.h"
#include "theme/glyphs.h"
#include "theme/hiddenwindow.h"
#include "theme/maintitlebar.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace {

// The application icon's renderings that a window, a title bar and the tray
// ask for (16 to 64 pixels, enough for twice the usual density). QIcon would
// keep every rendering in the file, and the 128 and 256 pixel ones alone are
// a third of a megabyte the program holds all its life; the desktop's task
// switchers take the large icon from the installed icon theme or from the
// executable's resource instead.
QIcon applicationIcon()
{
    constexpr int largest = 64;
    QIcon icon;
    QImageReader reader(QStringLiteral(":/icons/Scrivlet.ico"), "ico");
    // Named, not guessed: guessing asks every image plugin, and loads each.
    reader.setAutoDetectImageFormat(false);
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        if (!size.isValid() || size.width() > largest || size.height() > largest)
            continue;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

MainWindow::MainWindow(PhraseStore *store, QTranslator *translator, Desktop *desktop,
                       QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint),
      store(store), translator(translator), desktop(desktop)
{
    setAttribute(Qt::WA_StyledBackground);
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(880, 560);
    m_icon = applicationIcon();
    createDispatcher();

    QWidget *menuHost = buildTitleBar();

    buildStatusBar();

    m_hotkeys = new HotkeyManager(
        desktop, [this] { return WindowHandle(winId()); }, this);
    connect(m_hotkeys, &HotkeyManager::showWindowRequested, this, &MainWindow::onShowHotkey);
    connect(m_hotkeys, &HotkeyManager::pickerRequested, m_dispatcher.get(),
            &PhraseDispatcher::onPickerShortcut);
    connect(m_hotkeys, &HotkeyManager::phraseRequested, m_dispatcher.get(),
            &PhraseDispatcher::onPhraseShortcut);
    connect(m_hotkeys, &HotkeyManager::registrationFailed, this, &MainWindow::onRegistrationFailed);
    connect(ShortcutCapture::instance(), &ShortcutCapture::activeChanged, this,
            &MainWindow::onShortcutCapture);

    const int imported = store->importLegacy();

    // The shortcuts go live as early as the window allows: after the title
    // bar, whose frame may make the native window anew, and the status bar,
    // which tells of a refusal; before the table, the menus, the tray, the
    // picker, the panel and the style sheets, two fifths of the start. A
    // press in the meantime waits for the event loop instead of reaching the
    // program in front. The table is filled by retranslateUi below, in the
    // language's words and with the marks of shortcuts that did not
    // register: once, not here as well when some were refused (a tenth of a
    // start at 10,000 phrases). A refusal's tray notice waits for the event
    // loop, when the tray is there.
    registerShortcuts();
    connect(m_hotkeys, &HotkeyManager::deadShortcutsChanged, this, &MainWindow::refreshTable);

    buildCentralWidget();
    buildKeysNote();
    buildMenus(menuHost);
    buildTray();

    setWindowIcon(m_icon);
    QApplication::setWindowIcon(m_icon);
    m_titleBar->setTitleIcon(m_icon);

    createPicker();
    createPanel();

    // The stored theme is the user's choice and is applied as it is; the file
    // is not rewritten for it.
    applyTheme(Theme::normalised(store->settings().uiTheme), false);

    checkBindings();
    updateStatusLabel();
    retranslateUi();

    applyFloatingPanelSettings();
    watchDataFile();

    if (imported > 0)
        statusBar()->showMessage(tr("Imported %n phrases from version 3.0.", nullptr, imported),
                                 LegacyImportNoticeMs);
}

// The menu host carries the title bar with the menu bar below it.
QWidget *MainWindow::buildTitleBar()
{
    auto *menuHost = new QWidget(this);
    menuHost->setObjectName(QStringLiteral("menuHost"));
    auto *menuLayout = new QVBoxLayout(menuHost);
    menuLayout->setContentsMargins(0, 0, 0, 0);
    menuLayout->setSpacing(0);
    m_titleBar = new MainTitleBar(menuHost);
    menuLayout->addWidget(m_titleBar);
    // A tiling manager that draws its own title bar on the window whatever
    // it asks (sway) would show two: the window takes the manager's frame.
    m_managerFrame = desktop && desktop->ownWindows().drawsTitleBars();
    if (m_managerFrame) {
        setWindowFlag(Qt::FramelessWindowHint, false);
        m_titleBar->hide();
        setProperty("managerFrame", true);
    }
    setMenuWidget(menuHost);
    connect(m_titleBar, &MainTitleBar::minimizeRequested, this, &MainWindow::showMinimized);
    connect(m_titleBar, &MainTitleBar::maximizeRequested, this, [this] {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
    });
    connect(m_titleBar, &MainTitleBar::closeRequested, this, &MainWindow::close);
    return menuHost;
}

void MainWindow::buildStatusBar()
{
    statusBar()->setSizeGripEnabled(false);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_statusLabel, 1);
    buildTotals();
    // Permanent, so that it stands beside the message rather than under it;
    // shown only while "Deleted …" does.
    m_undoDeleteButton = new QPushButton(this);
    m_undoDeleteButton->setObjectName(QStringLiteral("undoDelete"));
    m_undoDeleteButton->setFlat(true);
    m_undoDeleteButton->setCursor(Qt::PointingHandCursor);
    m_undoDeleteButton->hide();
    statusBar()->addPermanentWidget(m_undoDeleteButton);
    connect(m_undoDeleteButton, &QPushButton::clicked, this, &MainWindow::undoDelete);
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString &text) {
        m_undoDeleteButton->setVisible(!text.isEmpty() && text == m_deleteNotice &&
                                       !m_deleted.isEmpty());
    });
    if (TestTrace::enabled()) {
        connect(statusBar(), &QStatusBar::messageChanged, this, [](const QString &text) {
            if (!text.isEmpty())
                TestTrace::line(QLatin1String("status ") + text);
        });
    }
}

void MainWindow::onShortcutCapture(bool active)
{
    if (!m_hotkeys || m_quitting)
        return;
    if (active) {
        m_hotkeys->suspend();
        TestTrace::line(QStringLiteral("shortcuts stand aside"));
        return;
    }
    m_hotkeys->resume();
    registerShortcuts();
    TestTrace::line(QStringLiteral("shortcuts back"));
}

MainWindow::~MainWindow()
{
    disconnect(ShortcutCapture::instance(), nullptr, this, nullptr);
    // Release the registrations while the owning native window still
    // exists; the desktop stops handing presses to the manager too.
    delete m_hotkeys;
    m_hotkeys = nullptr;
}

void MainWindow::buildCentralWidget()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    m_centralLayout = new QVBoxLayout(central);
    m_centralLayout->setContentsMargins(20, 18, 20, 16);
    m_centralLayout->setSpacing(Theme::centralSpacing);

    // What the desktop still needs from the user, with the way to Options:
    // wrapped, never cut, however narrow the window.
    m_roadNote = new QWidget(central);
    m_roadNote->setObjectName(QStringLiteral("roadNote"));
    m_roadNote->setAttribute(Qt::WA_StyledBackground);
    auto *noteRow = new QHBoxLayout(m_roadNote);
    noteRow->setContentsMargins(10, 6, 6, 6);
    noteRow->setSpacing(8);
    m_roadLabel = new QLabel(m_roadNote);
    m_roadLabel->setObjectName(QStringLiteral("roadNoteText"));
    m_roadLabel->setTextFormat(Qt::PlainText);
    m_roadLabel->setWordWrap(true);
    noteRow->addWidget(m_roadLabel, 1);
    m_roadButton = new QPushButton(m_roadNote);
    m_roadButton->setObjectName(QStringLiteral("roadNoteButton"));
    noteRow->addWidget(m_roadButton, 0, Qt::AlignVCenter);
    m_roadNote->setVisible(false);
    m_centralLayout->addWidget(m_roadNote, 0);
    connect(m_roadButton, &QPushButton::clicked, this, &MainWindow::openSettings);

    m_search = new QLineEdit(central);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    m_centralLayout->addWidget(m_search, 0);

    m_table = new PhraseTableWidget(central);
    m_table->setObjectName(QStringLiteral("phrases"));
    setUpTable();
    m_centralLayout->addWidget(m_table, 1);

    auto *buttons = new QHBoxLayout;
    m_buttonRow = buttons;
    const auto makeButton = [central, buttons](ElidingButton **slot) {
        auto *button = new ElidingButton(central);
        button->setIconOnlyWhenCut(true);
        button->setProperty("tool", true);
        button->setIconSize(QSize(18, 18));
        button->setMinimumHeight(42);
        buttons->addWidget(button);
        *slot = button;
    };
    makeButton(&m_add);
    makeButton(&m_edit);
    makeButton(&m_delete);
    buttons->addStretch(1);
    makeButton(&m_import);
    makeButton(&m_export);
    makeButton(&m_settings);
    m_centralLayout->addLayout(buttons);
    setCentralWidget(central);

    connect(m_add, &QPushButton::clicked, this, &MainWindow::addPhrase);
    connect(m_edit, &QPushButton::clicked, this, &MainWindow::editPhrase);
    connect(m_delete, &QPushButton::clicked, this, &MainWindow::deletePhrase);
    connect(m_import, &QPushButton::clicked, this, &MainWindow::importBackup);
    connect(m_export, &QPushButton::clicked, this, &MainWindow::exportBackup);
    connect(m_settings, &QPushButton::clicked, this, &MainWindow::openSettings);
    connect(m_search, &QLineEdit::textChanged, this, &MainWindow::filterTable);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { editPhrase(); });
    connect(m_table, &QTableWidget::customContextMenuRequested, this,
            &MainWindow::onTableContextMenu);
}

void MainWindow::applyTheme(int theme, bool save)
{
    m_theme = Theme::normalised(theme);
    store->settings().uiTheme = m_theme;
    if (save)
        store->save();
    Theme::replaceStyleSheet(this, Theme::mainWindowStyleSheet(m_theme));
    Theme::applyToApplication(m_theme);
    if (m_table)
        Theme::replaceStyleSheet(m_table, Theme::phraseTableStyleSheet(m_theme));
    fitToWidth();
    paintCommandIcons(m_theme);
    m_pausedIcon = QIcon();
    updateTrayState();
    if (m_titleBar) {
        m_titleBar->applyTheme(m_theme);
        m_titleBar->setMaximizedState(isMaximized());
    }
    if (m_picker)
        m_picker->setTheme(m_theme);
    if (m_panel)
        m_panel->setTheme(m_theme);
    const QSignalBlocker blocker(m_themeGroup);
    (Theme::isTeal(m_theme) ? m_tealAction : m_classicAction)->setChecked(true);
    fitMinimumSize();
}

void MainWindow::fitMinimumSize()
{
    // The width is the window manager's to choose (the buttons make do with
    // their glyphs); the height holds what the texts of the language and
    // theme need.
    ensurePolished();
    layout()->invalidate();
    setMinimumSize(MinimumWidth, qMax(MinimumHeight, layout()->minimumSize().height()));
}

void MainWindow::fitToWidth()
{
    if (!m_centralLayout)
        return;
    const QMargins wide = Theme::centralMargins(m_theme);
    const bool narrow = width() < NarrowWidth;
    const QMargins margins = narrow ? QMargins(8, wide.top() / 2, 8, wide.bottom() / 2) : wide;
    if (m_centralLayout->contentsMargins() != margins)
        m_centralLayout->setContentsMargins(margins);
    const int spacing = narrow ? Theme::centralSpacing / 2 : Theme::centralSpacing;
    if (m_centralLayout->spacing() != spacing)
        m_centralLayout->setSpacing(spacing);
    if (m_buttonRow)
        m_buttonRow->setSpacing(narrow ? 4 : -1);
    for (ElidingButton *button : {m_add, m_edit, m_delete, m_import, m_export, m_settings}) {
        if (button && button->property("narrow").toBool() != narrow) {
            button->setProperty("narrow", narrow);
            Theme::repolish(button);
            button->updateGeometry();
        }
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitToWidth();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_table && watched == m_table->viewport() && event->type() == QEvent::Resize)
        fitColumnsToRoom();
    else if (m_picker && m_panel && watched == m_picker.get() &&
             (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        m_panel->stepAside(m_picker->frameGeometry(), event->type() == QEvent::Show);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::paintCommandIcons(int theme)
{
    const QColor colour = Theme::colours(theme).commandGlyph;
    m_add->setIcon(Glyphs::commandGlyph(colour, Glyphs::Command::Add));
    m_edit->setIcon(Glyphs::commandGlyph(colour, Glyphs::Command::Edit));
    m_delete->setIcon(Glyphs::commandGlyph(colour, Glyphs::Command::Delete));
    m_import->setIcon(Glyphs::commandGlyph(colour, Glyphs::Command::Import));
    m_export->setIcon(Glyphs::commandGlyph(colour, Glyphs::Command::Export));
    m_settings->setIcon(Glyphs::commandGlyph(colour, Glyphs::Command::Settings));
}

void MainWindow::retranslateUi()
{
    const QString title = tr("Zem Scrivlet");
    setWindowTitle(title);
    m_titleBar->setTitleText(title);
    // The short hint stays as users know it; the tool tip names everything
    // the search looks at, abbreviations included.
    m_search->setPlaceholderText(tr("Search name, shortcut, or text"));
    m_search->setToolTip(tr("Searches the names, shortcuts, abbreviations and texts."));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Shortcut"), tr("Abbreviation"), tr("Text"),
                                        tr("On"), tr("Uses"), tr("Saved")});
    retranslateCounts();
    fitUnsizedColumnsToHeaders();
    m_add->setFullText(tr("Add"));
    m_edit->setFullText(tr("Edit"));
    m_delete->setFullText(tr("Delete"));
    m_import->setFullText(tr("Import"));
    m_export->setFullText(tr("Export"));
    m_settings->setFullText(tr("Settings"));
    m_roadButton->setText(tr("Options…"));
    m_undoDeleteButton->setText(tr("Undo"));
    updateKeysNote();
    retranslateMenus();
    // The table's own words ("Picker", "Yes", "No") are in the new language too.
    refreshTable();
    updateStatusLabel();
    fitMinimumSize();
    // The picker and the floating panel follow the language in their own
    // change handlers.
    if (m_panel)
        m_panel->setPaused(m_dispatcher->paused());
}

void MainWindow::updateStatusLabel()
{
    m_statusLabel->setText(m_dispatcher->paused() ? tr("Shortcuts are paused.") : QString());
    // What the road still needs stays in sight until it is done.
    const QString road = roadLine();
    if (road == m_roadLabel->text() && m_roadNote->isHidden() == road.isEmpty())
        return;
    m_roadLabel->setText(road);
    m_roadNote->setVisible(!road.isEmpty());
    updateKeysNote();
    TestTrace::line(QLatin1String("road note ") + road);
}

void MainWindow::applyLanguage(const QString &code)
{
    Language::install(translator, code);
    // Qt posts a change to every window, and a widget passes the change it
    // is handed on to all its children, child windows (menus, popups)
    // included: those would hear of it twice, and each retranslation of the
    // table or the panel costs as much as the first. Instead each window
    // without a parent is told once, now, and tells its own.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QCoreApplication::removePostedEvents(window, QEvent::LanguageChange);
    for (QWindow *window : QGuiApplication::topLevelWindows())
        QCoreApplication::removePostedEvents(window, QEvent::LanguageChange);
    for (QWidget *window : windows) {
        if (window->parentWidget())
            continue;
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
}

void MainWindow::showMainWindow()
{
    if (m_dispatcher->typing()) {
        m_showPending = true; // shown once the text is in, not in its way
        return;
    }
    m_dispatcher->forgetTarget();
    showNormal();
    raise();
    activateWindow();
}

bool MainWindow::showNotice(const QString &text, bool question, const QString &details)
{
    TestTrace::line(QLatin1String("notice ") + text +
                    (details.isEmpty() ? QString() : QLatin1Char('\n') + details));
    ContentDialog dialog(this);
    dialog.setWindowTitle(windowTitle());
    const int minimumWidth = qMax(440, dialog.fontMetrics().horizontalAdvance(windowTitle()) + 220);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    auto *icon = new QLabel(&dialog);
    icon->setPixmap(style()
                        ->standardIcon(question ? QStyle::SP_MessageBoxQuestion
                                                : QStyle::SP_MessageBoxInformation)
                        .pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon, 0, Qt::AlignTop);
    // Notices list phrase names and texts: shown as they stand.
    auto *label = new QLabel(&dialog);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    row->addWidget(label, 1);
    dialog.content()->addLayout(row);
    if (!details.isEmpty())
        dialog.addDetails(details);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto addButton = [&](const QString &caption, bool primary, bool accepts) {
        auto *button = new QPushButton(caption, &dialog);
        if (primary) {
            button->setObjectName(QStringLiteral("primary"));
            button->setDefault(true);
        }
        connect(button, &QPushButton::clicked, &dialog,
                accepts ? &QDialog::accept : &QDialog::reject);
        buttons->addWidget(button);
    };
    if (question) {
        addButton(tr("Yes"), true, true);
        addButton(tr("No"), false, false);
    } else {
        addButton(tr("OK"), true, true);
    }
    dialog.content()->addLayout(buttons);

    dialog.adjustSize();
    if (dialog.width() < minimumWidth)
        dialog.resize(minimumWidth, dialog.height());
    return dialog.exec() == QDialog::Accepted;
}

bool MainWindow::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    if (WindowFrame::frameNativeEvent(this, eventType, message, result,
                                      WindowFrame::Kind::MainWindow))
        return true;
    return QMainWindow::nativeEvent(eventType, message, result);
}

bool MainWindow::rememberPlace()
{
    // A tiling manager (it draws the frame) places and sizes the window
    // itself, and a maximised one keeps the place it had before.
    if (m_managerFrame || isMaximized() || isFullScreen() || isMinimized())
        return false;
    Settings &s = store->settings();
    const QRect frame(frameGeometry().topLeft(), size());
    if (frame == QRect(s.mainWindowX, s.mainWindowY, s.mainWindowWidth, s.mainWindowHeight))
        return false;
    s.mainWindowX = frame.x();
    s.mainWindowY = frame.y();
    s.mainWindowWidth = frame.width();
    s.mainWindowHeight = frame.height();
    return true;
}

void MainWindow::restorePlace()
{
    if (m_managerFrame || isMaximized() || isFullScreen())
        return;
    const Settings &s = store->settings();
    if (s.mainWindowWidth <= 0 || s.mainWindowHeight <= 0)
        return;
    QVector<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    const QRect place = WindowPlace::restored(
        QRect(s.mainWindowX, s.mainWindowY, s.mainWindowWidth, s.mainWindowHeight), areas);
    // Off every screen there is now: where the window manager puts it.
    if (!place.isValid())
        return;
    resize(place.size().expandedTo(minimumSize()));
    move(place.topLeft());
}

void MainWindow::showEvent(QShowEvent *event)
{
    // Shown by the program (not restored from minimised): where the user
    // left it, before the window system maps it, so that it does not jump.
    if (!event->spontaneous())
        restorePlace();
    if (!m_rowsMade)
        fillTable(true);
    QMainWindow::showEvent(event);
    if (!m_nativeStylesApplied && !m_managerFrame) {
        m_nativeStylesApplied = true;
        WindowFrame::prepareFramelessWindow(this, WindowFrame::Kind::MainWindow);
    }
}

void MainWindow::hideEvent(QHideEvent *event)
{
    // Hidden by the program (to the tray, the show/hide shortcut, Exit):
    // its place is kept for the next show and the next start.
    if (!event->spontaneous() && !m_quitting && rememberPlace())
        store->save();
    QMainWindow::hideEvent(event);
    releaseHiddenPixels(this, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_bindingsSeen) {
        // The user may have bound the commands meanwhile (and sway read its
        // configuration again).
        checkBindings();
        if (m_bindingsSeen)
            updateStatusLabel();
    } else if (event->type() == QEvent::WindowStateChange && m_titleBar)
        m_titleBar->setMaximizedState(isMaximized());
    QMainWindow::changeEvent(event);
}

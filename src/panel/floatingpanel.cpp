#include "panel/floatingpanel.h"

#include "base/testtrace.h"
#include "insert/targetwindow.h"
#include "panel/panelgeometry.h"
#include "panel/panelsettingspopup.h"
#include "panel/phraserow.h"
#include "theme/elidedtext.h"
#include "theme/glyphs.h"
#include "theme/hiddenwindow.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

PanelGeometry::Screens currentScreens()
{
    PanelGeometry::Screens out;
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QScreen *primary = QGuiApplication::primaryScreen();
    for (QScreen *screen : screens) {
        if (screen == primary)
            out.primary = out.list.size();
        out.list.append({screen->geometry(), screen->availableGeometry()});
    }
    return out;
}

} // namespace

FloatingPanel::FloatingPanel(Desktop *desktop)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_desktop(desktop)
{
    setObjectName(QStringLiteral("floatingPanel"));
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setAttribute(Qt::WA_StyledBackground);
    // An X11 window manager gives the focus to a window that is clicked; the
    // panel has nothing to type into, so it leaves the focus with the program
    // the user is typing in. Elsewhere the panel is activated like any tool
    // window and Type relies on the remembered foreground window alone.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        // A manager that keeps no window above the others and focuses every
        // new one (sway) is left out: an unmanaged window is drawn above all
        // it manages, never takes the focus, and sits where we put it.
        m_unmanaged = desktop && !desktop->ownWindows().keepsWindowsAbove();
        if (m_unmanaged)
            setWindowFlag(Qt::X11BypassWindowManagerHint);
    }
    setWindowOpacity(0.97);
    setMinimumSize(PanelGeometry::MinWidth, PanelGeometry::MinHeight);
    setMaximumSize(PanelGeometry::MaxWidth, PanelGeometry::MaxHeight);
    resize(PanelGeometry::DefaultWidth, PanelGeometry::DefaultHeight);
    setMouseTracking(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildHeader();
    buildBody();
    layout->addWidget(m_header);
    layout->addWidget(m_body, 1);

    m_popup = new PanelSettingsPopup(this);

    applyStyle();

    m_tracker = new QTimer(this);
    m_tracker->setInterval(TrackerIntervalMs);
    connect(m_tracker, &QTimer::timeout, this, &FloatingPanel::sampleForeground);
    m_geometryTimer = new QTimer(this);
    m_geometryTimer->setSingleShot(true);
    m_geometryTimer->setInterval(GeometryDelayMs);
    connect(m_geometryTimer, &QTimer::timeout, this, &FloatingPanel::emitGeometryChanged);

    for (QWidget *w : {static_cast<QWidget *>(this), m_header, static_cast<QWidget *>(m_title),
                       m_body, static_cast<QWidget *>(m_pauseButton), m_listHost,
                       static_cast<QWidget *>(m_scroll), m_scroll->viewport()})
        w->installEventFilter(this);
    m_popup->installEventFilter(this);

    connect(m_pauseButton, &QPushButton::clicked, this, &FloatingPanel::pauseClicked);
    connect(m_settingsButton, &QPushButton::toggled, this, &FloatingPanel::onSettingsToggled);
    connect(m_closeButton, &QPushButton::clicked, this, &FloatingPanel::onCloseClicked);
    connect(m_popup->opacitySlider(), &QSlider::valueChanged, this, &FloatingPanel::onOpacityStep);
    connect(m_popup->showCopyBox(), &QCheckBox::toggled, this, &FloatingPanel::onShowCopyToggled);
    connect(m_popup->showTypeBox(), &QCheckBox::toggled, this, &FloatingPanel::onShowTypeToggled);
    connect(m_popup->linesGroup(), &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            onLinesChosen(id);
    });
    connect(m_popup->snapBox(), &QCheckBox::toggled, this, &FloatingPanel::onSnapToggled);

    retranslate();
    refreshPauseButton();
    paintGear();

    followScreens();
    hide();
}

FloatingPanel::~FloatingPanel() = default;

void FloatingPanel::buildHeader()
{
    m_header = new QWidget(this);
    m_header->setObjectName(QStringLiteral("floatingHeader"));
    m_header->setAttribute(Qt::WA_StyledBackground);
    m_header->setMouseTracking(true);
    auto *layout = new QHBoxLayout(m_header);
    layout->setContentsMargins(14, 10, 10, 10);
    layout->setSpacing(6);

    m_title = new QLabel(m_header);
    m_title->setObjectName(QStringLiteral("floatingTitle"));
    m_title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_title->setMinimumWidth(0);
    m_title->setMouseTracking(true);
    layout->addWidget(m_title, 1);

    m_settingsButton = new QPushButton(m_header);
    m_settingsButton->setObjectName(QStringLiteral("titleAction"));
    m_settingsButton->setFixedSize(30, 30);
    m_settingsButton->setFlat(true);
    m_settingsButton->setCheckable(true);
    m_settingsButton->setCursor(Qt::PointingHandCursor);
    m_settingsButton->setIconSize(QSize(16, 16));
    m_settingsButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_settingsButton, 0, Qt::AlignVCenter);

    m_closeButton = new QPushButton(QString(QChar(0x00d7)), m_header);
    m_closeButton->setObjectName(QStringLiteral("titleAction"));
    m_closeButton->setFixedSize(30, 30);
    m_closeButton->setFlat(true);
    m_closeButton->setCursor(Qt::PointingHandCursor);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_closeButton, 0, Qt::AlignVCenter);
}

void FloatingPanel::buildBody()
{
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("floatingBody"));
    m_body->setAttribute(Qt::WA_StyledBackground);
    m_body->setMouseTracking(true);
    m_bodyLayout = new QVBoxLayout(m_body);
    m_bodyLayout->setContentsMargins(12, 12, 12, 12);
    m_bodyLayout->setSpacing(10);

    m_pauseButton = new ElidingButton(m_body);
    m_pauseButton->setObjectName(QStringLiteral("primaryPause"));
    m_pauseButton->setMinimumHeight(48);
    m_pauseButton->setIconSize(QSize(22, 22));
    m_pauseButton->setCursor(Qt::ArrowCursor);
    m_pauseButton->setFocusPolicy(Qt::NoFocus);
    QFont font = m_pauseButton->font();
    font.setPointSizeF(font.pointSizeF() + 3);
    font.setWeight(QFont::Bold);
    m_pauseButton->setFont(font);
    m_bodyLayout->addWidget(m_pauseButton);

    m_scroll = new QScrollArea(m_body);
    m_scroll->setObjectName(QStringLiteral("phraseScroll"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setMinimumHeight(0);
    m_scroll->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_scroll->viewport()->setObjectName(QStringLiteral("phraseViewport"));
    m_scroll->viewport()->setMouseTracking(true);

    m_listHost = new QWidget;
    m_listHost->setObjectName(QStringLiteral("listHost"));
    m_listHost->setMinimumSize(0, 0);
    m_listHost->setMouseTracking(true);
    m_listLayout = new QVBoxLayout(m_listHost);
    m_listLayout->setContentsMargins(0, 2, 0, 2);
    m_listLayout->setSpacing(8);
    m_scroll->setWidget(m_listHost);
    m_bodyLayout->addWidget(m_scroll, 1);
}

void FloatingPanel::applyStyle()
{
    Theme::replaceStyleSheet(this, Theme::floatingPanelStyleSheet(m_theme));
    const QColor background = Theme::colours(m_theme).panelBackground;
    for (QWidget *w : {static_cast<QWidget *>(this), m_body, static_cast<QWidget *>(m_scroll),
                       m_scroll->viewport(), m_listHost}) {
        w->setAutoFillBackground(true);
        QPalette palette = w->palette();
        palette.setColor(QPalette::All, QPalette::Window, background);
        palette.setColor(QPalette::All, QPalette::Base, background);
        w->setPalette(palette);
    }
}

void FloatingPanel::retranslate()
{
    // The window's title too: window lists and tests name the panel by it.
    setWindowTitle(tr("Zem Scrivlet"));
    ElidedText::setText(m_title, windowTitle());
    m_settingsButton->setToolTip(tr("Panel settings"));
    m_closeButton->setToolTip(tr("Hide panel"));
    m_popup->opacityLabel()->setText(tr("Opacity: %1%").arg(m_popup->opacitySlider()->value()));
    m_popup->buttonsLabel()->setText(tr("Row buttons"));
    m_popup->showCopyBox()->setText(tr("Show Copy"));
    m_popup->showTypeBox()->setText(tr("Show Type"));
    m_popup->linesLabel()->setText(tr("Max display lines per phrase"));
    m_popup->linesButton(1)->setText(tr("1 line"));
    m_popup->linesButton(2)->setText(tr("2 lines"));
    m_popup->linesButton(3)->setText(tr("3 lines"));
    {
        const QSignalBlocker blocker(m_popup->linesGroup());
        m_popup->linesButton(m_textLines)->setChecked(true);
    }
    m_popup->snapBox()->setText(tr("Snap to screen edge"));
    refreshPauseButton();
    paintGear();
    rebuildRows();
}

void FloatingPanel::refreshPauseButton()
{
    m_pauseButton->setIcon(Glyphs::pauseGlyph(m_paused, Theme::colours(m_theme).pauseGlyph));
    m_pauseButton->setFullText(m_paused ? tr("Resume shortcuts") : tr("Pause shortcuts"));
    m_pauseButton->setProperty("paused", m_paused);
    Theme::repolish(m_pauseButton);
}

void FloatingPanel::paintGear()
{
    m_settingsButton->setIcon(Glyphs::gearGlyph(Theme::colours(m_theme).titleGlyph));
}

// ---- operations of the main window --------------------------------------------

void FloatingPanel::setPhrases(const QVector<Phrase> &phrases)
{
    QVector<Phrase> shown;
    shown.reserve(phrases.size());
    for (const Phrase &p : phrases) {
        if (p.enabled && !p.text.isEmpty())
            shown.append(p);
    }
    // The main window hands the list over after every refresh of its table,
    // a search keystroke included: the rows are rebuilt only when what they
    // show changed.
    const auto sameRows = [&shown, this] {
        if (shown.size() != m_phrases.size())
            return false;
        for (int i = 0; i < shown.size(); ++i) {
            const Phrase &a = shown.at(i);
            const Phrase &b = m_phrases.at(i);
            if (a.id != b.id || a.name != b.name || a.text != b.text)
                return false;
        }
        return true;
    };
    const bool unchanged = sameRows() && !m_rowsStale && !rows().isEmpty();
    m_phrases = shown;
    if (!unchanged)
        rebuildRows();
}

void FloatingPanel::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    refreshPauseButton();
    for (PhraseRow *row : rows()) {
        for (QPushButton *button : row->buttons())
            if (button->objectName() == QLatin1String("rowType"))
                markTypeButton(button);
    }
}

void FloatingPanel::setTheme(int theme)
{
    if (theme == m_theme) {
        applyStyle();
        return;
    }
    m_theme = theme;
    applyStyle();
    refreshPauseButton();
    paintGear();
}

void FloatingPanel::setPanelWidth(int width)
{
    width = qBound(PanelGeometry::MinWidth, width, PanelGeometry::MaxWidth);
    if (width != this->width())
        resize(width, height() > 0 ? height() : PanelGeometry::DefaultHeight);
}

void FloatingPanel::setPanelHeight(int height)
{
    const int minimum = minimumPanelHeight();
    height = qMax(minimum, qMin(height, PanelGeometry::MaxHeight));
    updateListVisibility(height);
    setMinimumHeight(minimum);
    if (height != this->height() || width() <= 0)
        resize(width() > 0 ? width() : PanelGeometry::DefaultWidth, height);
}

bool FloatingPanel::ensureOnScreen()
{
    if (m_dragMode != 0)
        return false;
    const QRect f = frameGeometry();
    const PanelGeometry::Placement placement =
        PanelGeometry::ensureOnScreen(f, currentScreens(), minimumPanelHeight());
    if (!placement.valid)
        return false;
    bool changed = false;
    if (placement.geometry.size() != f.size()) {
        updateListVisibility(placement.geometry.height());
        setMinimumHeight(minimumPanelHeight());
        resize(placement.geometry.size());
        changed = true;
    }
    if (placement.geometry.topLeft() != frameGeometry().topLeft()) {
        move(placement.geometry.topLeft());
        changed = true;
    }
    if (!changed && !placement.fallback)
        return false;
    emitGeometryChanged();
    return true;
}

// ---- sizes --------------------------------------------------------------------

int FloatingPanel::minimumPanelHeight() const
{
    // The header's hint rather than its height: before the first layout pass
    // a child's height is a placeholder.
    const int header = m_header ? m_header->sizeHint().height() : 50;
    const int pause = m_pauseButton ? m_pauseButton->minimumHeight() : 48;
    int margins = 24;
    if (m_bodyLayout) {
        const QMargins m = m_bodyLayout->contentsMargins();
        margins = m.top() + m.bottom();
    }
    return qMax(PanelGeometry::MinHeight, header + pause + margins);
}

QSize FloatingPanel::minimumSizeHint() const
{
    return QSize(PanelGeometry::MinWidth, minimumPanelHeight());
}

void FloatingPanel::updateListVisibility(int height)
{
    const bool show = height >= minimumPanelHeight() + ListThreshold;
    if (show == !m_scroll->isHidden())
        return;
    m_scroll->setVisible(show);
    m_bodyLayout->setSpacing(show ? 10 : 0);
}

QPoint FloatingPanel::snapPosition(const QPoint &p) const
{
    if (!m_snapToEdge)
        return p;
    const QRect r(p, frameGeometry().size());
    return PanelGeometry::snap(p, r.size(),
                               PanelGeometry::snapArea(r, frameGeometry(), currentScreens()));
}

void FloatingPanel::emitGeometryChanged()
{
    if (!m_suppressGeometrySignal)
        emit geometryChanged();
}

// ---- screens and the foreground window ------------------------------------

void FloatingPanel::followScreens()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens)
        connectScreen(screen);
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    connect(app, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        connectScreen(screen);
        onScreensChanged();
    });
    // Deferred: while the signal runs, the screen may still be in the list.
    connect(app, &QGuiApplication::screenRemoved, this,
            [this] { QTimer::singleShot(0, this, &FloatingPanel::onScreensChanged); });
    connect(app, &QGuiApplication::primaryScreenChanged, this, &FloatingPanel::onScreensChanged);
}

void FloatingPanel::connectScreen(QScreen *screen)
{
    connect(screen, &QScreen::availableGeometryChanged, this, &FloatingPanel::onScreensChanged,
            Qt::UniqueConnection);
}

void FloatingPanel::onScreensChanged()
{
    if (isVisible())
        ensureOnScreen();
}

void FloatingPanel::sampleForeground()
{
    if (!m_desktop)
        return;
    const WindowHandle window = m_desktop->targets().foregroundWindow();
    if (window && m_desktop->targets().isWindow(window) && !isOwnProcessWindow(*m_desktop, window))
        m_lastExternalWindow = window;
}

void FloatingPanel::setVisible(bool visible)
{
    m_steppedAside = false;
    if (m_unmanaged)
        m_yielded = false;
    QWidget::setVisible(visible);
}

void FloatingPanel::stepAside(const QRect &frame, bool aside)
{
    if (!m_unmanaged)
        return;
    if (aside && isVisible() && !m_steppedAside && frameGeometry().intersects(frame)) {
        m_steppedAside = true;
        setSuppressGeometrySignal(true);
        QWidget::setVisible(false);
        setSuppressGeometrySignal(false);
    } else if (!aside && m_steppedAside) {
        m_steppedAside = false;
        QWidget::setVisible(true);
    }
}

// ---- show, hide, resize, language -------------------------------------------

void FloatingPanel::showEvent(QShowEvent *event)
{
    if (m_rowsStale) {
        m_rowsStale = false;
        rebuildRowsHidden(); // not yet on screen: laid out once, when shown
    }
    updateListVisibility(height());
    setMinimumHeight(minimumPanelHeight());
    // Before the window is mapped, where the window manager reads it. A panel
    // that shows up in the task bar anyway still works: nothing more to do.
    if (m_desktop && !event->spontaneous() && !m_unmanaged)
        m_desktop->ownWindows().keepOutOfTaskBar(WindowHandle(winId()));
    QWidget::showEvent(event);
    ensureOnScreen();
    if (!event->spontaneous())
        TestTrace::line(QStringLiteral("panel shown"));
    // Where a window manager places new windows itself (sway centres them),
    // the panel is put back where the user left it, once it is mapped.
    if (m_desktop && !event->spontaneous() && !m_unmanaged) {
        QTimer::singleShot(0, this, [this] {
            if (!isVisible())
                return;
            m_desktop->ownWindows().placeOwnWindow(WindowHandle(winId()),
                                                   physicalFrame(windowHandle()));
        });
    }
    sampleForeground();
    m_tracker->start();
    updateListVisibility(height());
}

void FloatingPanel::hideEvent(QHideEvent *event)
{
    m_tracker->stop();
    if (m_settingsButton->isChecked())
        m_settingsButton->setChecked(false);
    QWidget::hideEvent(event);
    releaseHiddenPixels(this, event);
}

void FloatingPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateListVisibility(height());
    m_geometryTimer->start();
}

void FloatingPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FloatingPanel::onCloseClicked()
{
    if (m_settingsButton->isChecked())
        m_settingsButton->setChecked(false);
    hide();
    emit closedByUser();
}

bool FloatingPanel::event(QEvent *event)
{
    // One of our modal dialogs is about to show, and the panel, on top of
    // other windows, would cover its buttons: the panel yields until the
    // dialog is gone. Told before the dialog is mapped, when its state is
    // still ours to set.
    if (event->type() == QEvent::WindowBlocked && m_desktop && isVisible() && !m_yielded) {
        QWindow *modal = QGuiApplication::modalWindow();
        if (modal && modal != windowHandle()) {
            if (m_unmanaged) {
                // Drawn above every managed window, the dialog included: the
                // panel steps out of the way until the dialog is gone.
                m_yielded = true;
                setSuppressGeometrySignal(true);
                QWidget::setVisible(false);
                setSuppressGeometrySignal(false);
            } else {
                m_yielded = m_desktop->ownWindows().yieldTopmost(
                    WindowHandle(winId()), WindowHandle(modal->winId()), true);
            }
        }
    } else if (event->type() == QEvent::WindowUnblocked && m_desktop && m_yielded) {
        m_yielded = false;
        if (m_unmanaged)
            QTimer::singleShot(0, this, [this] { QWidget::setVisible(true); });
        else
            m_desktop->ownWindows().yieldTopmost(WindowHandle(winId()), 0, false);
    }
    return QWidget::event(event);
}

// X11 has no non-client hit test: the frameless windows watch presses in their
// edge band themselves and ask the window manager (_NET_WM_MOVERESIZE, through
// QWindow) to resize or move them, which keeps the manager's snapping and
// constraints.

#include "platform/windowframe.h"

#include "platform/framehittest.h"
#include "x11/xcbreply.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace WindowFrame {

namespace {

const char bandProperty[] = "frameBand";
const char mainWindowProperty[] = "frameIsMainWindow";

Qt::CursorShape cursorFor(int answer)
{
    switch (answer) {
    case FrameHit::Left:
    case FrameHit::Right:
        return Qt::SizeHorCursor;
    case FrameHit::Top:
    case FrameHit::Bottom:
        return Qt::SizeVerCursor;
    case FrameHit::TopLeft:
    case FrameHit::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameHit::TopRight:
    case FrameHit::BottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// One application-wide filter: mouse events reach it for every child of a
// frameless window, even children without mouse tracking, so the band works
// over title bars, buttons and lists alike.
class EdgeResizer final : public QObject
{
public:
    explicit EdgeResizer(QObject *parent) : QObject(parent) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        // The resize cursor must not outlive the window or the pointer's stay.
        if (overridden && !overWindow)
            restoreCursor();
        if (type == QEvent::Leave || type == QEvent::Hide) {
            if (watched == overWindow)
                restoreCursor();
            return false;
        }
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        QWidget *window = widget->window();
        const int windowBand = window->property(bandProperty).toInt();
        if (windowBand <= 0 || !window->windowHandle())
            return false;

        auto *mouse = static_cast<QMouseEvent *>(event);
        const bool maximised =
            window->property(mainWindowProperty).toBool() && window->isMaximized();
        const int answer =
            FrameHit::hitTest(window->frameGeometry(), mouse->globalPos(), windowBand, maximised);
        if (type == QEvent::MouseMove) {
            if (mouse->buttons() == Qt::NoButton)
                showCursor(window, answer);
            return false;
        }
        if (mouse->button() != Qt::LeftButton || answer == FrameHit::Client)
            return false;
        restoreCursor();
        // When the manager refuses, the press goes on to the widget below.
        return window->windowHandle()->startSystemResize(FrameHit::edgesFor(answer));
    }

private:
    void showCursor(QWidget *window, int answer)
    {
        if (answer == FrameHit::Client) {
            restoreCursor();
            return;
        }
        const Qt::CursorShape shape = cursorFor(answer);
        if (overridden && QGuiApplication::overrideCursor()->shape() == shape)
            return;
        if (overridden)
            QGuiApplication::changeOverrideCursor(QCursor(shape));
        else
            QGuiApplication::setOverrideCursor(QCursor(shape));
        overridden = true;
        overWindow = window;
    }

    void restoreCursor()
    {
        if (!overridden)
            return;
        QGuiApplication::restoreOverrideCursor();
        overridden = false;
        overWindow = nullptr;
    }

    bool overridden = false;
    QPointer<QWidget> overWindow;
};

} // namespace

int band(Kind kind)
{
    return kind == Kind::MainWindow ? FrameHit::MainWindowBand : FrameHit::DialogBand;
}

void prepareFramelessWindow(QWidget *window, Kind kind)
{
    if (!window || !qApp)
        return;
    static QPointer<EdgeResizer> resizer;
    if (!resizer) {
        resizer = new EdgeResizer(qApp);
        qApp->installEventFilter(resizer);
    }
    window->setProperty(bandProperty, band(kind));
    window->setProperty(mainWindowProperty, kind == Kind::MainWindow);
}

bool frameNativeEvent(QWidget *, const QByteArray &, void *, long *, Kind)
{
    return false;
}

bool startSystemMove(QWidget *window)
{
    QWindow *handle = window ? window->windowHandle() : nullptr;
    return handle && handle->startSystemMove();
}

void tidyPlainDialogFrame(QWidget *) {}

void keepOffTaskbar(QWidget *dialog)
{
    if (!dialog || !dialog->isWindow() || !dialog->parentWidget() ||
        QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // A connection of its own to the display the windows are on: the widgets
    // library links no X extras. Opened at the first dialog, kept for the
    // next ones.
    static xcb_connection_t *connection = [] {
        xcb_connection_t *c = xcb_connect(nullptr, nullptr);
        if (c && xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            return static_cast<xcb_connection_t *>(nullptr);
        }
        return c;
    }();
    if (!connection)
        return;
    const auto atom = [](const char *name) {
        XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    static const xcb_atom_t state = atom("_NET_WM_STATE");
    static const xcb_atom_t skipTaskbar = atom("_NET_WM_STATE_SKIP_TASKBAR");
    static const xcb_atom_t skipPager = atom("_NET_WM_STATE_SKIP_PAGER");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE || skipPager == XCB_ATOM_NONE)
        return;
    const xcb_window_t window = xcb_window_t(dialog->winId());
    // Before the map: the property itself, which Qt merges its own states
    // into as it maps the window, and which the manager reads at the map.
    QVector<xcb_atom_t> states;
    XcbReply<xcb_get_property_reply_t> current(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 64), nullptr));
    if (current && current->type == XCB_ATOM_ATOM && current->format == 32) {
        const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(current.p));
        const int count = xcb_get_property_value_length(current.p) / int(sizeof(xcb_atom_t));
        for (int i = 0; i < count; ++i)
            states << values[i];
    }
    const int before = states.size();
    for (xcb_atom_t wanted : {skipTaskbar, skipPager})
        if (!states.contains(wanted))
            states << wanted;
    if (states.size() == before)
        return;
    const xcb_void_cookie_t change =
        xcb_change_property_checked(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM,
                                    32, uint32_t(states.size()), states.constData());
    // Waited for, so that the server has it before Qt (on its own
    // connection) reads the property and maps the window. A window gone
    // meanwhile is only an error here.
    std::free(xcb_request_check(connection, change));
}

// Typical caption metrics of a window manager at 96 dpi.
int captionButtonWidth()
{
    return 36;
}

int smallIconWidth()
{
    return 16;
}

} // namespace WindowFrame

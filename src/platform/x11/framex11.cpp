// X11 has no non-client hit test: the frameless windows watch presses in their
// edge band themselves and ask the window manager (_NET_WM_MOVERESIZE, through
// QWindow) to resize or move them, which keeps the manager's snapping and
// constraints.

#include "platform/windowframe.h"

#include "theme/framehittest.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

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

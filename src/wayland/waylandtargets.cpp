#include "wayland/waylandtargets.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "wayland/swayipc.h"
#include "wayland/waylandconnection.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <cstring>
#include <vector>

// Last: Xlib's macros would spoil Qt's headers.
#include "x11/x11desktop.h"

namespace {

class SwayTargets final : public WaylandTargets
{
public:
    bool windows(QVector<WaylandWindow> *out) override { return SwayIpc::windows(out); }
    bool focused(WaylandWindow *out) override { return SwayIpc::focusedWindow(out); }
    bool focus(qint64 id) override { return SwayIpc::focus(id); }
    bool moveTo(qint64 id, const QPoint &topLeft) override
    {
        return SwayIpc::commandFor(id, "floating enable, move absolute position " +
                                           QByteArray::number(topLeft.x()) + " " +
                                           QByteArray::number(topLeft.y()));
    }
    bool namesX11Windows() const override { return true; }
};

// One toplevel as the compositor last described it (between two "done").
struct Toplevel
{
    zwlr_foreign_toplevel_handle_v1 *handle = nullptr;
    qint64 id = 0;
    QString appId;
    bool activated = false;
    bool minimized = false;
    bool closed = false;
    // Changes since the last "done", applied together.
    QString pendingAppId;
    bool pendingActivated = false;
    bool pendingMinimized = false;
};

class ToplevelTargets final : public WaylandTargets
{
public:
    ToplevelTargets(WaylandConnection *connection, X11Desktop *x11)
        : m_connection(connection), m_x11(x11)
    {
        static const zwlr_foreign_toplevel_manager_v1_listener managerListener = {
            [](void *data, zwlr_foreign_toplevel_manager_v1 *,
               zwlr_foreign_toplevel_handle_v1 *handle) {
                static_cast<ToplevelTargets *>(data)->added(handle);
            },
            [](void *, zwlr_foreign_toplevel_manager_v1 *) {}};
        zwlr_foreign_toplevel_manager_v1_add_listener(connection->toplevelManager(),
                                                      &managerListener, this);
        // The windows there are now arrive at once.
        connection->roundtrip();
    }

    ~ToplevelTargets() override
    {
        for (const auto &t : m_toplevels)
            zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
    }

    bool windows(QVector<WaylandWindow> *out) override
    {
        out->clear();
        m_connection->dispatchAvailable();
        removeClosed();
        for (const auto &t : m_toplevels)
            out->append(windowOf(*t));
        return true;
    }

    // XWayland names its active window while an X11 window has the focus
    // (and none while a Wayland one has it): X11 windows are told apart so.
    bool focused(WaylandWindow *out) override
    {
        m_connection->dispatchAvailable();
        removeClosed();
        if (const WindowHandle x = m_x11->foregroundWindow()) {
            *out = WaylandWindow();
            out->xwayland = true;
            out->x11Window = quint32(x);
            out->focused = true;
            out->visible = true;
            return true;
        }
        for (const auto &t : m_toplevels) {
            if (t->activated) {
                *out = windowOf(*t);
                return true;
            }
        }
        return false;
    }

    bool focus(qint64 id) override
    {
        removeClosed();
        for (const auto &t : m_toplevels) {
            if (t->id == id) {
                zwlr_foreign_toplevel_handle_v1_activate(t->handle, m_connection->seat());
                return m_connection->flush();
            }
        }
        return false;
    }

    bool moveTo(qint64, const QPoint &) override { return false; }
    bool namesX11Windows() const override { return false; }

    void added(zwlr_foreign_toplevel_handle_v1 *handle)
    {
        static const zwlr_foreign_toplevel_handle_v1_listener listener = {
            [](void *, zwlr_foreign_toplevel_handle_v1 *, const char *) {}, // title
            [](void *data, zwlr_foreign_toplevel_handle_v1 *, const char *appId) {
                static_cast<Toplevel *>(data)->pendingAppId = QString::fromUtf8(appId);
            },
            [](void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {},
            [](void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {},
            [](void *data, zwlr_foreign_toplevel_handle_v1 *, wl_array *states) {
                auto *t = static_cast<Toplevel *>(data);
                t->pendingActivated = false;
                t->pendingMinimized = false;
                const auto *state = static_cast<const uint32_t *>(states->data);
                for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i) {
                    if (state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED)
                        t->pendingActivated = true;
                    else if (state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_MINIMIZED)
                        t->pendingMinimized = true;
                }
            },
            [](void *data, zwlr_foreign_toplevel_handle_v1 *) { // done
                auto *t = static_cast<Toplevel *>(data);
                t->appId = t->pendingAppId;
                t->activated = t->pendingActivated;
                t->minimized = t->pendingMinimized;
            },
            [](void *data, zwlr_foreign_toplevel_handle_v1 *) { // closed
                static_cast<Toplevel *>(data)->closed = true;
            },
            [](void *, zwlr_foreign_toplevel_handle_v1 *, zwlr_foreign_toplevel_handle_v1 *) {}};
        auto t = std::make_unique<Toplevel>();
        t->handle = handle;
        t->id = ++m_lastId;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &listener, t.get());
        m_toplevels.push_back(std::move(t));
    }

private:
    static WaylandWindow windowOf(const Toplevel &t)
    {
        WaylandWindow w;
        w.id = t.id;
        w.appId = t.appId;
        w.focused = t.activated;
        w.visible = !t.minimized;
        return w;
    }

    // A closed toplevel's handle is destroyed the next time the list is
    // read, never from within its own event.
    void removeClosed()
    {
        for (auto it = m_toplevels.begin(); it != m_toplevels.end();) {
            if ((*it)->closed) {
                zwlr_foreign_toplevel_handle_v1_destroy((*it)->handle);
                it = m_toplevels.erase(it);
            } else {
                ++it;
            }
        }
    }

    WaylandConnection *m_connection;
    X11Desktop *m_x11;
    std::vector<std::unique_ptr<Toplevel>> m_toplevels;
    qint64 m_lastId = 0;
};

class OwnFocusTargets final : public WaylandTargets
{
public:
    static constexpr qint64 OwnId = 1;
    static constexpr qint64 OtherId = 2;

    explicit OwnFocusTargets(X11Desktop *x11) : m_x11(x11) {}

    bool windows(QVector<WaylandWindow> *out) override
    {
        out->clear();
        WaylandWindow w;
        if (focused(&w))
            out->append(w);
        return true;
    }

    bool focused(WaylandWindow *out) override
    {
        *out = WaylandWindow();
        out->focused = true;
        out->visible = true;
        if (const WindowHandle x = m_x11 ? m_x11->foregroundWindow() : 0) {
            out->xwayland = true;
            out->x11Window = quint32(x);
        } else if (QGuiApplication::focusWindow()) {
            out->id = OwnId;
            out->pid = QCoreApplication::applicationPid();
        } else {
            out->id = OtherId;
        }
        return true;
    }

    // Closing our window gives the focus back: nothing to ask.
    bool focus(qint64) override { return false; }
    bool moveTo(qint64, const QPoint &) override { return false; }
    bool namesX11Windows() const override { return false; }

private:
    X11Desktop *m_x11;
};

} // namespace

std::unique_ptr<WaylandTargets> ownFocusTargets(X11Desktop *x11)
{
    return std::make_unique<OwnFocusTargets>(x11);
}

std::unique_ptr<WaylandTargets> swayTargets()
{
    QVector<WaylandWindow> windows;
    if (!SwayIpc::available() || !SwayIpc::windows(&windows))
        return nullptr;
    return std::make_unique<SwayTargets>();
}

std::unique_ptr<WaylandTargets> toplevelTargets(WaylandConnection *connection, X11Desktop *x11)
{
    if (!connection || !connection->toplevelManager() || !x11)
        return nullptr;
    return std::make_unique<ToplevelTargets>(connection, x11);
}

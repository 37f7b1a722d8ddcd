// Who is in front on Plasma: KWin's window list, the one its task manager
// reads. It names each window's application, process and place, and says
// which one is active; it is offered to the programs KWin trusts. Windows
// arrive and change as events, so asking who is in front costs no trip to
// the compositor.

#include "wayland/waylandconnection.h"
#include "wayland/waylandtargets.h"

#include "plasma-window-management-client-protocol.h"

#include <wayland-client.h>

#include <memory>
#include <vector>

namespace {

struct PlasmaWindow
{
    org_kde_plasma_window *proxy = nullptr;
    WaylandWindow info;
    bool mapped = true;
    bool active = false;
};

class PlasmaTargets final : public WaylandTargets
{
public:
    explicit PlasmaTargets(WaylandConnection *connection);
    ~PlasmaTargets() override;

    bool windows(QVector<WaylandWindow> *out) override;
    bool focused(WaylandWindow *out) override;
    bool focus(qint64 id) override;
    // KWin moves a window on request only interactively.
    bool moveTo(qint64, const QPoint &) override { return false; }
    bool namesX11Windows() const override { return false; }

    void added(quint32 id, const char *uuid);
    PlasmaWindow *find(org_kde_plasma_window *proxy);
    void removeUnmapped();

private:
    WaylandConnection *m_connection;
    std::vector<std::unique_ptr<PlasmaWindow>> m_windows;
};

PlasmaTargets *targetsOf(void *data)
{
    return static_cast<PlasmaTargets *>(data);
}

void onShowDesktop(void *, org_kde_plasma_window_management *, uint32_t) {}
void onWindow(void *, org_kde_plasma_window_management *, uint32_t) {} // the old form
void onStacking(void *, org_kde_plasma_window_management *, wl_array *) {}
void onStackingUuid(void *, org_kde_plasma_window_management *, const char *) {}
void onWindowWithUuid(void *data, org_kde_plasma_window_management *, uint32_t id, const char *uuid)
{
    targetsOf(data)->added(id, uuid);
}

const org_kde_plasma_window_management_listener managementListener = {
    onShowDesktop, onWindow, onStacking, onStackingUuid, onWindowWithUuid};

PlasmaWindow *windowOf(void *data)
{
    return static_cast<PlasmaWindow *>(data);
}

void onTitle(void *, org_kde_plasma_window *, const char *) {}
void onAppId(void *data, org_kde_plasma_window *, const char *appId)
{
    windowOf(data)->info.appId = QString::fromUtf8(appId);
}
void onState(void *data, org_kde_plasma_window *, uint32_t flags)
{
    PlasmaWindow *w = windowOf(data);
    w->active = flags & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE;
    w->info.focused = w->active;
    w->info.visible = !(flags & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED);
}
void onDesktop(void *, org_kde_plasma_window *, int32_t) {}
void onIconName(void *, org_kde_plasma_window *, const char *) {}
void onUnmapped(void *data, org_kde_plasma_window *)
{
    windowOf(data)->mapped = false;
}
void onInitialState(void *, org_kde_plasma_window *) {}
void onParent(void *, org_kde_plasma_window *, org_kde_plasma_window *) {}
void onGeometry(void *data, org_kde_plasma_window *, int32_t x, int32_t y, uint32_t width,
                uint32_t height)
{
    windowOf(data)->info.contentRect = QRect(x, y, int(width), int(height));
}
void onIcon(void *, org_kde_plasma_window *) {}
void onPid(void *data, org_kde_plasma_window *, uint32_t pid)
{
    windowOf(data)->info.pid = qint64(pid);
}
void onEnteredDesktop(void *, org_kde_plasma_window *, const char *) {}
void onLeftDesktop(void *, org_kde_plasma_window *, const char *) {}
void onMenu(void *, org_kde_plasma_window *, const char *, const char *) {}
void onEnteredActivity(void *, org_kde_plasma_window *, const char *) {}
void onLeftActivity(void *, org_kde_plasma_window *, const char *) {}
// An XWayland window's WM_CLASS.
void onResourceName(void *data, org_kde_plasma_window *, const char *name)
{
    windowOf(data)->info.x11Instance = QString::fromUtf8(name);
}

const org_kde_plasma_window_listener windowListener = {
    onTitle,        onAppId,  onState,           onDesktop,      onIconName,    onUnmapped,
    onInitialState, onParent, onGeometry,        onIcon,         onPid,         onEnteredDesktop,
    onLeftDesktop,  onMenu,   onEnteredActivity, onLeftActivity, onResourceName};

PlasmaTargets::PlasmaTargets(WaylandConnection *connection) : m_connection(connection)
{
    org_kde_plasma_window_management_add_listener(connection->windowManagement(),
                                                  &managementListener, this);
}

PlasmaTargets::~PlasmaTargets()
{
    for (const auto &w : m_windows)
        org_kde_plasma_window_destroy(w->proxy);
}

void PlasmaTargets::added(quint32 id, const char *uuid)
{
    auto w = std::make_unique<PlasmaWindow>();
    w->info.id = qint64(id);
    w->proxy =
        org_kde_plasma_window_management_get_window_by_uuid(m_connection->windowManagement(), uuid);
    if (!w->proxy)
        return;
    org_kde_plasma_window_add_listener(w->proxy, &windowListener, w.get());
    m_windows.push_back(std::move(w));
}

void PlasmaTargets::removeUnmapped()
{
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if ((*it)->mapped) {
            ++it;
            continue;
        }
        org_kde_plasma_window_destroy((*it)->proxy);
        it = m_windows.erase(it);
    }
}

bool PlasmaTargets::windows(QVector<WaylandWindow> *out)
{
    // A window that just came or went: its events are in by now.
    if (!m_connection->roundtrip())
        return false;
    removeUnmapped();
    out->clear();
    for (const auto &w : m_windows)
        out->append(w->info);
    return true;
}

bool PlasmaTargets::focused(WaylandWindow *out)
{
    if (!m_connection->roundtrip())
        return false;
    removeUnmapped();
    for (const auto &w : m_windows) {
        if (w->active) {
            *out = w->info;
            return true;
        }
    }
    return false;
}

bool PlasmaTargets::focus(qint64 id)
{
    for (const auto &w : m_windows) {
        if (w->info.id == id && w->mapped) {
            org_kde_plasma_window_set_state(w->proxy, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE,
                                            ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE);
            return m_connection->flush();
        }
    }
    return false;
}

} // namespace

std::unique_ptr<WaylandTargets> plasmaTargets(WaylandConnection *connection)
{
    if (!connection || !connection->windowManagement())
        return nullptr;
    auto targets = std::make_unique<PlasmaTargets>(connection);
    // The windows there already, with their state.
    if (!connection->roundtrip() || !connection->roundtrip())
        return nullptr;
    return targets;
}

#include "wayland/waylandconnection.h"

#include "fake-input-client-protocol.h"
#include "keystate-client-protocol.h"
#include "plasma-window-management-client-protocol.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <QSocketNotifier>

#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface,
              uint32_t version)
{
    static_cast<WaylandConnection *>(data)->announce(registry, name, interface, version);
}

void onGlobalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {onGlobal, onGlobalRemove};

void onKeymap(void *data, wl_keyboard *, uint32_t format, int32_t fd, uint32_t size)
{
    static_cast<WaylandConnection *>(data)->keymapReceived(format, fd, size);
}
void onEnter(void *, wl_keyboard *, uint32_t, wl_surface *, wl_array *) {}
void onLeave(void *, wl_keyboard *, uint32_t, wl_surface *) {}
void onKey(void *, wl_keyboard *, uint32_t, uint32_t, uint32_t, uint32_t) {}
void onModifiers(void *, wl_keyboard *, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}

const wl_keyboard_listener keyboardListener = {onKeymap, onEnter,     onLeave,
                                               onKey,    onModifiers, nullptr};

void onCapabilities(void *data, wl_seat *, uint32_t capabilities)
{
    static_cast<WaylandConnection *>(data)->capabilitiesChanged(capabilities);
}

const wl_seat_listener seatListener = {onCapabilities, nullptr};

constexpr quint32 KeymapFormatXkbV1 = 1;
// A keymap larger than this is no keymap.
constexpr quint32 MaxKeymapSize = 16 * 1024 * 1024;

} // namespace

std::unique_ptr<WaylandConnection> WaylandConnection::open()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display));
    connection->m_registry = wl_display_get_registry(display);
    wl_registry_add_listener(connection->m_registry, &registryListener, connection.get());
    if (!connection->roundtrip() || !connection->m_seat)
        return nullptr;
    // Events from now on come through the event loop.
    connection->m_notifier =
        new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, connection.get());
    connect(connection->m_notifier, &QSocketNotifier::activated, connection.get(),
            &WaylandConnection::dispatchAvailable);
    return connection;
}

WaylandConnection::WaylandConnection(wl_display *display) : m_display(display) {}

WaylandConnection::~WaylandConnection()
{
    delete m_notifier;
    if (m_keyboard)
        wl_keyboard_destroy(m_keyboard);
    if (m_windowManagement)
        wl_proxy_destroy(reinterpret_cast<wl_proxy *>(m_windowManagement));
    if (m_keyState)
        wl_proxy_destroy(reinterpret_cast<wl_proxy *>(m_keyState));
    // The protocol has no destructor request: the proxy goes with us.
    if (m_fakeInput)
        wl_proxy_destroy(reinterpret_cast<wl_proxy *>(m_fakeInput));
    if (m_dataControl)
        zwlr_data_control_manager_v1_destroy(m_dataControl);
    if (m_toplevels)
        wl_proxy_destroy(reinterpret_cast<wl_proxy *>(m_toplevels));
    if (m_keyboards)
        wl_proxy_destroy(reinterpret_cast<wl_proxy *>(m_keyboards));
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

void WaylandConnection::announce(wl_registry *registry, quint32 name, const char *interface,
                                 quint32 version)
{
    m_announced.append(QByteArray(interface));
    // The first seat: a desktop with several seats types on the first.
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !m_seat) {
        m_seat = static_cast<wl_seat *>(
            wl_registry_bind(registry, name, &wl_seat_interface, qMin<quint32>(version, 1)));
        wl_seat_add_listener(m_seat, &seatListener, this);
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        m_keyboards = static_cast<zwp_virtual_keyboard_manager_v1 *>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
        m_toplevels = static_cast<zwlr_foreign_toplevel_manager_v1 *>(
            wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                             qMin<quint32>(version, 3)));
    } else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
        m_dataControl = static_cast<zwlr_data_control_manager_v1 *>(wl_registry_bind(
            registry, name, &zwlr_data_control_manager_v1_interface, qMin<quint32>(version, 2)));
    } else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 &&
               version >= 4) { // keyboard_key came with version 4
        m_fakeInput = static_cast<org_kde_kwin_fake_input *>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
    } else if (std::strcmp(interface, org_kde_kwin_keystate_interface.name) == 0) {
        m_keyState = static_cast<org_kde_kwin_keystate *>(
            wl_registry_bind(registry, name, &org_kde_kwin_keystate_interface, 1));
    } else if (std::strcmp(interface, org_kde_plasma_window_management_interface.name) == 0 &&
               version >= 16) { // resource names and pids of every window
        m_windowManagement = static_cast<org_kde_plasma_window_management *>(
            wl_registry_bind(registry, name, &org_kde_plasma_window_management_interface, 16));
    }
}

bool WaylandConnection::announced(const char *interface) const
{
    return m_announced.contains(QByteArray(interface));
}

void WaylandConnection::capabilitiesChanged(quint32 capabilities)
{
    m_seatCapabilities = capabilities;
}

// Only while the seat has a keyboard: mutter 43 crashes on a keyboard asked
// for before it has a keymap (headless, before a device exists).
QByteArray WaylandConnection::keymap()
{
    if (!m_keyboard && m_seat && (m_seatCapabilities & WL_SEAT_CAPABILITY_KEYBOARD)) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        wl_keyboard_add_listener(m_keyboard, &keyboardListener, this);
        roundtrip();
    }
    return m_keymap;
}

void WaylandConnection::keymapReceived(quint32 format, int fd, quint32 size)
{
    ++m_keymapsReceived;
    m_keymap.clear(); // unreadable: no keymap known
    if (format == KeymapFormatXkbV1 && size > 0 && size <= MaxKeymapSize) {
        void *map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            // Up to its terminating NUL.
            m_keymap = QByteArray(static_cast<const char *>(map),
                                  int(qstrnlen(static_cast<const char *>(map), size)));
            ::munmap(map, size);
        }
    }
    ::close(fd);
}

bool WaylandConnection::failed() const
{
    return wl_display_get_error(m_display) != 0;
}

bool WaylandConnection::flush()
{
    if (failed())
        return false;
    // The socket may be full for a moment while the compositor reads.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (wl_display_flush(m_display) >= 0)
            return true;
        if (errno != EAGAIN)
            return false;
        pollfd fd{wl_display_get_fd(m_display), POLLOUT, 0};
        ::poll(&fd, 1, 20);
    }
    return false;
}

bool WaylandConnection::roundtrip()
{
    if (failed())
        return false;
    return wl_display_roundtrip(m_display) >= 0;
}

void WaylandConnection::dispatchAvailable()
{
    if (failed()) {
        if (m_notifier)
            m_notifier->setEnabled(false);
        return;
    }
    while (wl_display_prepare_read(m_display) != 0)
        wl_display_dispatch_pending(m_display);
    wl_display_flush(m_display);
    pollfd fd{wl_display_get_fd(m_display), POLLIN, 0};
    if (::poll(&fd, 1, 0) > 0)
        wl_display_read_events(m_display);
    else
        wl_display_cancel_read(m_display);
    wl_display_dispatch_pending(m_display);
}

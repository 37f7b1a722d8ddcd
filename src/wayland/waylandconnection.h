#pragma once

// Our own client connection to the Wayland compositor, beside the X11 one
// the windows use (they are shown through XWayland): it reaches the native
// Wayland windows through the protocols a compositor offers to helper
// programs. Events are read from the event loop, so requests that wait for
// an answer (a roundtrip, a clipboard transfer) serve the rest meanwhile.

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <memory>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_keyboard;
struct org_kde_kwin_fake_input;
struct org_kde_kwin_keystate;
struct org_kde_plasma_window_management;
struct zwp_virtual_keyboard_manager_v1;
struct zwlr_data_control_manager_v1;
struct zwlr_foreign_toplevel_manager_v1;
class QSocketNotifier;

class WaylandConnection final : public QObject
{
    Q_OBJECT

public:
    // Connects to the compositor that WAYLAND_DISPLAY names; null when there
    // is none, or it offers no seat.
    static std::unique_ptr<WaylandConnection> open();
    ~WaylandConnection() override;

    wl_display *display() const { return m_display; }
    wl_seat *seat() const { return m_seat; }
    // Null where the compositor does not offer them.
    zwp_virtual_keyboard_manager_v1 *virtualKeyboardManager() const { return m_keyboards; }
    zwlr_data_control_manager_v1 *dataControlManager() const { return m_dataControl; }
    zwlr_foreign_toplevel_manager_v1 *toplevelManager() const { return m_toplevels; }
    // KWin's, offered only to programs it trusts (the installed one).
    org_kde_kwin_fake_input *fakeInput() const { return m_fakeInput; }
    org_kde_kwin_keystate *keyState() const { return m_keyState; }
    org_kde_plasma_window_management *windowManagement() const { return m_windowManagement; }
    // Whether the compositor announced a global by this name, offered to us
    // or not: KWin names its restricted ones to nobody, so this tells KWin
    // apart by what it does offer.
    bool announced(const char *interface) const;

    // The seat keyboard's keymap in the XKB text format, as the compositor
    // last sent it (what keys pressed through it type); empty until then,
    // and while the seat has no keyboard.
    // Read on demand: made the first time it is asked for.
    QByteArray keymap();
    // How many keymaps the seat's keyboard has sent so far.
    quint64 keymapsReceived() const { return m_keymapsReceived; }

    // Sends what is queued; false once the connection has failed.
    bool flush();
    // Sends what is queued and waits until the compositor has handled it,
    // dispatching the events that came meanwhile; false once the connection
    // has failed (a protocol error, the compositor gone).
    bool roundtrip();
    // Reads and dispatches what has arrived, without waiting.
    void dispatchAvailable();
    bool failed() const;

    // Registry and keyboard callbacks.
    void announce(wl_registry *registry, quint32 name, const char *interface, quint32 version);
    void keymapReceived(quint32 format, int fd, quint32 size);
    void capabilitiesChanged(quint32 capabilities);

private:
    explicit WaylandConnection(wl_display *display);

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_seat *m_seat = nullptr;
    zwp_virtual_keyboard_manager_v1 *m_keyboards = nullptr;
    zwlr_data_control_manager_v1 *m_dataControl = nullptr;
    zwlr_foreign_toplevel_manager_v1 *m_toplevels = nullptr;
    org_kde_kwin_fake_input *m_fakeInput = nullptr;
    org_kde_kwin_keystate *m_keyState = nullptr;
    org_kde_plasma_window_management *m_windowManagement = nullptr;
    wl_keyboard *m_keyboard = nullptr;
    QByteArray m_keymap;
    quint64 m_keymapsReceived = 0;
    quint32 m_seatCapabilities = 0;
    QVector<QByteArray> m_announced;
    QSocketNotifier *m_notifier = nullptr;
};

// The user's own keyboard, for the Wayland tests: a virtual keyboard with the
// keymap of a named layout (as a real keyboard with that layout has), whose
// keys the test presses between insertions, so that the compositor switches
// the clients from it to the program's keyboard and back as it does for a
// person who types and then uses a phrase.
//   userkeyboard LAYOUT   then lines on stdin: "key CODE" (an evdev code,
//   pressed and released), "down CODE", "up CODE" (held, let go: modifiers
//   change the keyboard's state as a real one's do), each answered by "OK";
//   end of input ends it.
// On KWin, which has no virtual keyboards, the keys go through its fake input
// instead, in the layout KWin has (LAYOUT is not used there).

#include "fake-input-client-protocol.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

wl_seat *seat = nullptr;
zwp_virtual_keyboard_manager_v1 *manager = nullptr;
org_kde_kwin_fake_input *fakeInput = nullptr;

void global(void *, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        manager = static_cast<zwp_virtual_keyboard_manager_v1 *>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
        fakeInput = static_cast<org_kde_kwin_fake_input *>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}

int fakeInputMain(wl_display *display)
{
    org_kde_kwin_fake_input_authenticate(fakeInput, "userkeyboard", "test keys");
    wl_display_roundtrip(display);
    std::printf("READY\n");
    std::fflush(stdout);
    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned code = 0;
        const auto send = [&](bool down) {
            org_kde_kwin_fake_input_keyboard_key(fakeInput, code,
                                                 down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                                      : WL_KEYBOARD_KEY_STATE_RELEASED);
        };
        if (std::sscanf(line, "key %u", &code) == 1) {
            send(true);
            send(false);
        } else if (std::sscanf(line, "down %u", &code) == 1) {
            send(true);
        } else if (std::sscanf(line, "up %u", &code) == 1) {
            send(false);
        } else {
            continue;
        }
        wl_display_roundtrip(display);
        std::printf("OK\n");
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener listener = {global, globalRemove};

uint32_t now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    if (seat && !manager && fakeInput)
        return fakeInputMain(display);
    if (!seat || !manager)
        return 1;

    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names = {"evdev", "pc105", argv[1], "", ""};
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap)
        return 1;
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("userkeyboard", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != ssize_t(size))
        return 1;
    zwp_virtual_keyboard_v1 *keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(size));
    wl_display_roundtrip(display);
    std::printf("READY\n");
    std::fflush(stdout);

    // The keyboard's own modifier state, kept as a compositor expects a
    // keyboard to report it.
    xkb_state *state = xkb_state_new(keymap);
    const auto send = [&](unsigned code, bool down) {
        zwp_virtual_keyboard_v1_key(keyboard, now(), code,
                                    down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                         : WL_KEYBOARD_KEY_STATE_RELEASED);
        xkb_state_update_key(state, code + 8, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        zwp_virtual_keyboard_v1_modifiers(
            keyboard, xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE));
    };
    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned code = 0;
        if (std::sscanf(line, "key %u", &code) == 1) {
            send(code, true);
            send(code, false);
        } else if (std::sscanf(line, "down %u", &code) == 1) {
            send(code, true);
        } else if (std::sscanf(line, "up %u", &code) == 1) {
            send(code, false);
        } else {
            continue;
        }
        wl_display_roundtrip(display);
        std::printf("OK\n");
        std::fflush(stdout);
    }
    xkb_state_unref(state);
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}

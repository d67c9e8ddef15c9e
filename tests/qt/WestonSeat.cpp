// A Weston module that gives a headless compositor one seat with a keyboard
// and a pointer but no devices behind them. The headless backend has no seat
// at all, so no window would ever get the keyboard and become active; with
// this one the shell activates each new window as a desktop does, and Qt's
// windows get focus. Nothing types or moves on it: tests send their input to
// the widgets directly.
//
//   weston --backend=headless-backend.so --modules=/path/to/weston_test_seat.so

#include <libweston/libweston.h>

// Exported by libweston for its backends but declared only in its internal
// headers.
extern "C" {
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec,
                      const char* seat_name);
void weston_seat_init_pointer(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void weston_seat_release(struct weston_seat* seat);
}

namespace {

struct weston_seat g_seat {};
struct wl_listener g_compositorDestroyed {};

void ReleaseSeat(struct wl_listener*, void*) {
    weston_seat_release(&g_seat);
}

} // namespace

extern "C" WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int*, char*[]) {
    weston_seat_init(&g_seat, compositor, "default");
    weston_seat_init_pointer(&g_seat);
    // A null keymap is the compositor's default one.
    if (weston_seat_init_keyboard(&g_seat, nullptr) < 0) {
        weston_seat_release(&g_seat);
        return -1;
    }
    g_compositorDestroyed.notify = ReleaseSeat;
    wl_signal_add(&compositor->destroy_signal, &g_compositorDestroyed);
    return 0;
}

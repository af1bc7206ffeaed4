// Waits for a window of the X display to be shown, prints its size, and types
// keys into it as a user would: x_keys <window name> <seconds> <key>...
// Keys are X key names (Return, Down, Up, Alt_L); "Alt_L" alone is pressed
// and released by itself, as when the user taps Alt.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

Window find_window(Display* display, Window root, const char* name) {
    Window found = 0;
    char* window_name = nullptr;
    XWindowAttributes attributes;
    if (XFetchName(display, root, &window_name) && window_name) {
        if (std::strcmp(window_name, name) == 0 && XGetWindowAttributes(display, root, &attributes) &&
            attributes.map_state == IsViewable)
            found = root;
        XFree(window_name);
    }
    if (found) return found;
    Window root_return = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root_return, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && !found; ++i) found = find_window(display, children[i], name);
    if (children) XFree(children);
    return found;
}

void send_key(Display* display, Window window, KeySym symbol, bool press, unsigned int state) {
    XKeyEvent event{};
    event.type = press ? KeyPress : KeyRelease;
    event.display = display;
    event.window = window;
    event.root = DefaultRootWindow(display);
    event.subwindow = None;
    event.time = CurrentTime;
    event.x = event.y = event.x_root = event.y_root = 1;
    event.state = state;
    event.keycode = XKeysymToKeycode(display, symbol);
    event.same_screen = True;
    XSendEvent(display, window, True, press ? KeyPressMask : KeyReleaseMask, reinterpret_cast<XEvent*>(&event));
    XFlush(display);
}

// The keys may close the window before the last of them is released (Return
// on File > Exit): a window that is gone ends the typing, it is no failure.
bool window_gone = false;
int note_error(Display*, XErrorEvent* error) {
    if (error->error_code == BadWindow) window_gone = true;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: x_keys <window name> <seconds> <key>...\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_keys: no X display\n");
        return 2;
    }
    const int seconds = std::stoi(argv[2]);
    Window window = 0;
    for (int tick = 0; tick < seconds * 10 && !window; ++tick) {
        window = find_window(display, DefaultRootWindow(display), argv[1]);
        if (!window) usleep(100000);
    }
    if (!window) {
        std::fprintf(stderr, "x_keys: no window \"%s\" was shown within %d s\n", argv[1], seconds);
        return 1;
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    std::printf("shown %dx%d\n", attributes.width, attributes.height);
    std::fflush(stdout);
    usleep(500000);  // let the window finish its first layout
    XSetErrorHandler(note_error);
    for (int i = 3; i < argc && !window_gone; ++i) {
        const KeySym symbol = XStringToKeysym(argv[i]);
        if (symbol == NoSymbol) {
            std::fprintf(stderr, "x_keys: unknown key %s\n", argv[i]);
            return 2;
        }
        const bool alt = symbol == XK_Alt_L;
        send_key(display, window, symbol, true, 0);
        send_key(display, window, symbol, false, alt ? Mod1Mask : 0);
        XSync(display, False);
        usleep(300000);
    }
    XCloseDisplay(display);
    return 0;
}

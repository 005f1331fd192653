// What the smoke test needs from X that xdotool lacks, with no window manager
// running:
//   xwin close <window>   ask a window to close, as its close box does
//   xwin kind <window>    print "dialog" or "normal" (its _NET_WM_WINDOW_TYPE)
// Exit code 0 on success, 1 on failure, 2 on bad usage.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static int closeWindow(Display *d, Window w)
{
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(d, w, False, NoEventMask, &e))
        return 1;
    XSync(d, False);
    return 0;
}

static int printKind(Display *d, Window w)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    const Atom property = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
    if (XGetWindowProperty(d, w, property, 0, 16, False, XA_ATOM, &type, &format, &count, &after, &data) != Success)
        return 1;
    const Atom dialog = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    int isDialog = 0;
    for (unsigned long i = 0; data && format == 32 && i < count; ++i)
        isDialog |= reinterpret_cast<Atom *>(data)[i] == dialog;
    if (data)
        XFree(data);
    std::puts(isDialog ? "dialog" : "normal");
    std::fflush(stdout);  // before any exit-time checks of an instrumented build
    return 0;
}

static int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    char *end = nullptr;
    const Window w = std::strtoul(argv[2], &end, 0);
    if (!end || *end)
        return 2;
    Display *d = XOpenDisplay(nullptr);
    if (!d)
        return 1;
    // A window that vanished meanwhile is a plain failure, not an abort.
    XSetErrorHandler(ignoreErrors);
    int rc = 2;
    if (std::strcmp(argv[1], "close") == 0)
        rc = closeWindow(d, w);
    else if (std::strcmp(argv[1], "kind") == 0)
        rc = printKind(d, w);
    XCloseDisplay(d);
    return rc;
}

// Starts a program and reports, from outside, how long its first window took to
// be mapped and painted on the X server, and the program's peak resident memory.
//
//   wait_painted PROGRAM [ARGS...]    prints "<milliseconds> <peak RSS in KiB>"
//
// "Painted" means the window's pixels on screen show at least a few distinct
// colours, where an unpainted window shows the uniform root background.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <cstdio>

static double now_ms() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

static int ignore_errors(Display*, XErrorEvent*) {
    return 0;
}

static long window_pid(Display* display, Window window, Atom pid_atom) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && count == 1)
        pid = *reinterpret_cast<long*>(data);
    if (data) XFree(data);
    return pid;
}

/* True when the window is viewable and its screen area shows several colours. */
static int painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return 0;
    int x, y;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(attributes.width),
                  static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) return 0;
    unsigned long seen[4];
    int distinct = 0;
    for (int py = 0; py < attributes.height && distinct < 4; py += 7)
        for (int px = 0; px < attributes.width && distinct < 4; px += 5) {
            unsigned long pixel = XGetPixel(image, px, py);
            int known = 0;
            for (int i = 0; i < distinct; ++i) known |= seen[i] == pixel;
            if (!known) seen[distinct++] = pixel;
        }
    XDestroyImage(image);
    return distinct >= 4;
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    XSetErrorHandler(ignore_errors);
    Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);

    double started = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double shown = -1;
    while (shown < 0 && now_ms() - started < 20000) {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
            for (unsigned i = 0; i < count && shown < 0; ++i)
                if (window_pid(display, children[i], pid_atom) == pid && painted(display, children[i]))
                    shown = now_ms() - started;
            if (children) XFree(children);
        }
        if (shown < 0) usleep(500);
    }

    usleep(200 * 1000); /* what it holds once settled counts too */
    kill(pid, SIGTERM);
    int status;
    struct rusage usage;
    wait4(pid, &status, 0, &usage);
    if (shown < 0) {
        fprintf(stderr, "wait_painted: no painted window from %s\n", argv[1]);
        return 1;
    }
    printf("%.1f %ld\n", shown, usage.ru_maxrss);
    return 0;
}

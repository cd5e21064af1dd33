// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <cstdio>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace bench {

namespace {

// A window can go between the probe's question and the server's answer (a screen left);
// the question then fails, which is no reason to stop.
int ignore_error(Display*, XErrorEvent*) {
    return 0;
}

std::string window_name(Display* display, Window window) {
    const Atom net_name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, net_name, 0, 1024, False, utf8, &type, &format, &items,
                           &left, &data) == Success &&
        data) {
        name.assign(reinterpret_cast<char*>(data), items);
        XFree(data);
    }
    if (name.empty()) {
        char* plain = nullptr;
        if (XFetchName(display, window, &plain) && plain) {
            name = plain;
            XFree(plain);
        }
    }
    return name;
}

} // namespace

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

XDisplay::XDisplay(const std::string& name) {
    XSetErrorHandler(ignore_error);
    display_ = XOpenDisplay(name.c_str());
    if (!display_) {
        throw std::runtime_error("cannot open display " + name);
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        throw std::runtime_error("the X server has no XTest");
    }
    if (!XDamageQueryExtension(display_, &damage_event_, &error)) {
        throw std::runtime_error("the X server has no DAMAGE");
    }
    if (!XShmQueryExtension(display_)) {
        throw std::runtime_error("the X server has no MIT-SHM");
    }
    root_ = DefaultRootWindow(display_);
    width_ = DisplayWidth(display_, DefaultScreen(display_));
    height_ = DisplayHeight(display_, DefaultScreen(display_));
    // Damage to any window on the screen is damage to the root window: one watch sees
    // the drawing of every client, and the server's own painting of what a window
    // uncovers, whether a program has one window or many.
    damage_ = XDamageCreate(display_, root_, XDamageReportRawRectangles);
    XSync(display_, False);
}

XDisplay::~XDisplay() {
    if (display_) {
        XDamageDestroy(display_, damage_);
        XCloseDisplay(display_);
    }
}

Clock::time_point XDisplay::key(std::string_view name) {
    const KeySym symbol = XStringToKeysym(std::string(name).c_str());
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    if (symbol == NoSymbol || code == 0) {
        throw std::runtime_error("no key " + std::string(name));
    }
    const Clock::time_point now = Clock::now();
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XFlush(display_);
    return now;
}

void XDisplay::keys(std::string_view names) {
    while (!names.empty()) {
        const std::size_t space = names.find(' ');
        key(names.substr(0, space));
        names = space == std::string_view::npos ? std::string_view() : names.substr(space + 1);
    }
}

Clock::time_point XDisplay::move_pointer(int x, int y) {
    const Clock::time_point now = Clock::now();
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XFlush(display_);
    return now;
}

void XDisplay::button(bool down) {
    XTestFakeButtonEvent(display_, 1, down ? True : False, CurrentTime);
    XFlush(display_);
}

void XDisplay::forget() {
    XSync(display_, False);
    while (XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
    }
}

bool XDisplay::read_reports(Drawing& drawing) {
    bool any = false;
    while (XEventsQueued(display_, QueuedAfterReading) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == damage_event_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            drawing.drawn = true;
            drawing.last = Clock::now();
            ++drawing.reports;
            drawing.area += (long long)damage.area.width * damage.area.height;
            any = true;
        }
    }
    return any;
}

Drawing XDisplay::wait_drawing(std::chrono::milliseconds quiet, std::chrono::milliseconds first,
                               std::chrono::milliseconds longest) {
    const Clock::time_point start = Clock::now();
    Drawing drawing;
    for (;;) {
        read_reports(drawing);
        const Clock::time_point now = Clock::now();
        const Clock::time_point end =
            std::min(drawing.drawn ? drawing.last + quiet : start + first, start + longest);
        if (now >= end) {
            drawing.settled = drawing.drawn && drawing.last + quiet <= now;
            return drawing;
        }
        const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(end - now);
        const timespec timeout{time_t(wait.count() / 1000000000), long(wait.count() % 1000000000)};
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        ppoll(&fd, 1, &timeout, nullptr);
    }
}

unsigned long XDisplay::focused_window() {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    if (focus == PointerRoot || focus == None || focus == root_) {
        Window root = None, child = None;
        int x = 0, y = 0, wx = 0, wy = 0;
        unsigned mask = 0;
        XQueryPointer(display_, root_, &root, &child, &x, &y, &wx, &wy, &mask);
        focus = child;
    }
    // Up to the window that is a child of the root, the one a program names.
    for (Window window = focus; window != None && window != root_;) {
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, window, &root, &parent, &children, &count)) {
            return None;
        }
        if (children) {
            XFree(children);
        }
        if (parent == root_) {
            return window;
        }
        window = parent;
    }
    return None;
}

std::string XDisplay::focused_caption() {
    const Window window = focused_window();
    return window == None ? std::string() : window_name(display_, window);
}

std::string XDisplay::focus_report() {
    Window focus = None, root = None, child = None;
    int revert = 0, x = 0, y = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XGetInputFocus(display_, &focus, &revert);
    XQueryPointer(display_, root_, &root, &child, &x, &y, &wx, &wy, &mask);
    char text[160];
    std::snprintf(text, sizeof text, "focus 0x%lx, pointer at %d,%d over 0x%lx", focus, x, y,
                  child);
    return text;
}

std::vector<double> XDisplay::floor_millis(int count, int& reported) {
    const int screen = DefaultScreen(display_);
    XShmSegmentInfo segment{};
    XImage* image = XShmCreateImage(display_, DefaultVisual(display_, screen),
                                    unsigned(DefaultDepth(display_, screen)), ZPixmap, nullptr,
                                    &segment, unsigned(width_), unsigned(height_));
    if (!image) {
        throw std::runtime_error("cannot make a shared-memory image");
    }
    const std::size_t bytes = std::size_t(image->bytes_per_line) * std::size_t(image->height);
    segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    segment.shmaddr = image->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
    segment.readOnly = False;
    XShmAttach(display_, &segment);
    XSync(display_, False);
    // Gone once both sides let go of it.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    for (std::size_t i = 0; i < bytes; ++i) {
        image->data[i] = char(i * 7);
    }

    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    const Window window =
        XCreateWindow(display_, root_, 0, 0, unsigned(width_), unsigned(height_), 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    XSelectInput(display_, window, ExposureMask);
    XMapRaised(display_, window);
    XEvent event;
    XWindowEvent(display_, window, ExposureMask, &event);
    const GC gc = XCreateGC(display_, window, 0, nullptr);
    forget();

    std::vector<double> samples;
    for (int i = 0; i < count; ++i) {
        const Clock::time_point start = Clock::now();
        XShmPutImage(display_, window, gc, image, 0, 0, 0, 0, unsigned(width_), unsigned(height_),
                     False);
        XSync(display_, False);
        samples.push_back(millis(Clock::now() - start));
    }
    Drawing drawing;
    read_reports(drawing);
    reported = drawing.reports;

    XFreeGC(display_, gc);
    XDestroyWindow(display_, window);
    XShmDetach(display_, &segment);
    XSync(display_, False);
    XDestroyImage(image);
    shmdt(segment.shmaddr);
    forget();
    return samples;
}

} // namespace bench

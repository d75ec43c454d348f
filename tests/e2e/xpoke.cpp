// A tiny X client for the end-to-end tests: it plays the window manager's part that
// Xvfb lacks. `xpoke close WINDOW` asks the window to close (WM_DELETE_WINDOW), and
// `xpoke ping WINDOW PERIOD_MS SECONDS LIMIT_MS` sends _NET_WM_PING every PERIOD_MS for
// SECONDS and fails if any answer takes longer than LIMIT_MS.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

void sendProtocol(Display* d, Window w, Atom protocol, long arg) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(protocol);
    e.xclient.data.l[1] = arg;
    e.xclient.data.l[2] = static_cast<long>(w);
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
}

// Waits for the answer to ping `stamp`; returns milliseconds, or -1 past `limitMs`*4.
double awaitPong(Display* d, long stamp, Clock::time_point sent, int limitMs) {
    const Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False);
    while (true) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == ClientMessage && e.xclient.message_type == protocols &&
                e.xclient.data.l[1] == stamp)
                return std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        }
        if (Clock::now() - sent > std::chrono::milliseconds(limitMs * 4)) return -1;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: xpoke close WINDOW | ping WINDOW PERIOD_MS SECONDS LIMIT_MS\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 2;
    const Window w = std::strtoul(argv[2], nullptr, 0);
    if (std::strcmp(argv[1], "close") == 0) {
        sendProtocol(d, w, XInternAtom(d, "WM_DELETE_WINDOW", False), CurrentTime);
        XCloseDisplay(d);
        return 0;
    }
    if (std::strcmp(argv[1], "ping") != 0 || argc < 6) return 2;
    const int period = std::atoi(argv[3]), seconds = std::atoi(argv[4]), limit = std::atoi(argv[5]);
    // The answer goes to the root window, where a window manager would listen. Qt sends
    // it to the clients selecting StructureNotify or SubstructureRedirect there; the
    // latter is the window manager's alone, so StructureNotify it is.
    XSelectInput(d, DefaultRootWindow(d), StructureNotifyMask | SubstructureNotifyMask);
    const Atom ping = XInternAtom(d, "_NET_WM_PING", False);
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    double worst = 0;
    int count = 0;
    for (long stamp = 1; Clock::now() < end; ++stamp) {
        const auto sent = Clock::now();
        sendProtocol(d, w, ping, stamp);
        const double ms = awaitPong(d, stamp, sent, limit);
        if (ms < 0) {
            std::printf("ping %ld: no answer\n", stamp);
            return 1;
        }
        worst = ms > worst ? ms : worst;
        ++count;
        std::this_thread::sleep_until(sent + std::chrono::milliseconds(period));
    }
    std::printf("%d pings, slowest answer %.1f ms (limit %d ms)\n", count, worst, limit);
    XCloseDisplay(d);
    return worst <= limit ? 0 : 1;
}

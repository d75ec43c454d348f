// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny X client for the end-to-end tests, in the window manager's part that Xvfb lacks:
// `xpoke close WINDOW` asks the window to close (WM_DELETE_WINDOW), and `xpoke ping
// WINDOW` sends _NET_WM_PING four times a second until it is stopped, and fails as soon
// as an answer takes longer than 100 ms.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    using namespace std::chrono_literals;
    Display* d = XOpenDisplay(nullptr);
    if (!d || argc < 3) return 2;
    const Window w = std::strtoul(argv[2], nullptr, 0);
    auto send = [d, w](const char* protocol, long stamp) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, protocol, False));
        e.xclient.data.l[1] = stamp;
        e.xclient.data.l[2] = static_cast<long>(w);
        XSendEvent(d, w, False, NoEventMask, &e);
        XFlush(d);
    };
    if (std::string(argv[1]) == "close") {
        send("WM_DELETE_WINDOW", CurrentTime);
        // A round trip before leaving: a busy X server that reads a client's last request
        // together with its hang-up may drop the request, and the close never comes.
        XSync(d, False);
        return 0;
    }
    // The answer goes to the root window, to the clients selecting StructureNotify or
    // SubstructureRedirect there; the latter is the window manager's alone.
    XSelectInput(d, DefaultRootWindow(d), StructureNotifyMask);
    for (long stamp = 1;; ++stamp) {
        const auto sent = std::chrono::steady_clock::now();
        send("_NET_WM_PING", stamp);
        XEvent answer;
        while (!XCheckTypedEvent(d, ClientMessage, &answer) || answer.xclient.data.l[1] != stamp) {
            if (std::chrono::steady_clock::now() - sent > 100ms) {
                std::printf("ping %ld: no answer within 100 ms\n", stamp);
                return 1;
            }
            std::this_thread::sleep_for(200us);
        }
        std::this_thread::sleep_until(sent + 250ms);
    }
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the launch of a program on an X server: from the start of the
// process to its window being mapped, and to a given pixel of the screen
// showing a given colour (the window painted). Prints one line of JSON with
// both times, the process id and its resident memory once painted.
//
//   lienzo_startup_probe NAME X Y RRGGBB TIMEOUT_MS [--keep] -- PROGRAM [ARGS...]
//
// With --keep the program is left running (its id is printed); otherwise it
// is ended once measured.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool viewableWindowNamed(Display* display, Window parent, const char* name, int depth)
{
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* title = nullptr;
        XWindowAttributes attributes;
        if (XFetchName(display, children[i], &title) && title) {
            found = std::strcmp(title, name) == 0 &&
                    XGetWindowAttributes(display, children[i], &attributes) &&
                    attributes.map_state == IsViewable;
            XFree(title);
        }
        if (!found && depth > 0)
            found = viewableWindowNamed(display, children[i], name, depth - 1);
    }
    if (children)
        XFree(children);
    return found;
}

unsigned long pixelAt(Display* display, int x, int y)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    int separator = 0;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--") == 0)
            separator = i;
    if (separator < 6 || separator + 1 >= argc) {
        std::fprintf(stderr, "usage: %s NAME X Y RRGGBB TIMEOUT_MS [--keep] -- PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const char* name = argv[1];
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const unsigned long colour = std::strtoul(argv[4], nullptr, 16);
    const double timeout = std::atof(argv[5]);
    const bool keep = separator > 6 && std::strcmp(argv[6], "--keep") == 0;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Clock::time_point start = Clock::now();
    // The program's output goes nowhere, so that a program left running does
    // not hold the pipe of whoever reads this probe's output.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, argv[separator + 1], &actions, nullptr, argv + separator + 1, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "could not start %s\n", argv[separator + 1]);
        return 2;
    }
    double mapped = -1, painted = -1;
    while (millisecondsSince(start) < timeout) {
        if (mapped < 0 && viewableWindowNamed(display, DefaultRootWindow(display), name, 2))
            mapped = millisecondsSince(start);
        if (mapped >= 0 && pixelAt(display, x, y) == colour) {
            painted = millisecondsSince(start);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    // Memory once the program has settled after its first paint.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long rss = residentKiB(pid);
    std::printf("{\"mapped_ms\": %.2f, \"painted_ms\": %.2f, \"pid\": %d, \"rss_KiB\": %ld}\n", mapped,
                painted, int(pid), rss);
    std::fflush(stdout);
    if (!keep) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(display);
    return painted >= 0 ? 0 : 1;
}

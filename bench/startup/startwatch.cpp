// SPDX-License-Identifier: MIT
// Starts a program and watches it from outside, through the X server: the time from
// the start of the process to its first top-level window being mapped, and to that
// window's first painted content; then its peak resident memory. The program itself
// is not changed or told anything.
//
//   startwatch [-settle MS] [-timeout MS] [-input COMMAND] program [arguments...]
//
// Prints one line: "mapped_ms=M painted_ms=P cpu_ms=C hwm_kib=K", C being the CPU
// time the program had used when its window was painted. Exits 1 when no window of
// the program was painted in time.
//
// With -input, the first use of something the program opens is timed as well: once
// the window is painted and the program has settled, COMMAND is run through sh ("%w"
// stands for the window's id, e.g. "xdotool key ctrl+a"), and the line gains
// "opened_ms=O opened_painted_ms=Q", from the start of COMMAND to the program's next
// window being mapped and painted. The command's own start-up (a few ms for xdotool)
// is included, the same in every run. Peak memory is then read after that opening.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h> // NOLINT(modernize-deprecated-headers): POSIX kill() is declared here, not in <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unordered_set>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Windows vanish and change while we look; their errors are expected and ignored.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

long WindowPid(Display* dpy, Window w)
{
    static const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data) ==
            Success &&
        data && items == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// Painted: the window shows more than one colour. Before the program paints, its
// window shows one plain background.
bool Painted(Display* dpy, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, w, &a) || a.map_state != IsViewable || a.width < 2 || a.height < 2)
        return false;
    XImage* image =
        XGetImage(dpy, w, 0, 0, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < a.height && !varied; y += 2)
        for (int x = 0; x < a.width && !varied; x += 2)
            varied = XGetPixel(image, x, y) != first;
    XDestroyImage(image);
    return varied;
}

long PeakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// CPU time of all the program's threads so far, from the scheduler's own count: less
// disturbed by other processes on the machine than the time on the clock.
double CpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (schedstat >> onCpu)
                ns += onCpu;
        }
        closedir(dir);
    }
    return ns / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    int settleMs = 500, timeoutMs = 30000, first = 1;
    std::string input;
    while (first + 1 < argc && argv[first][0] == '-') {
        if (!std::strcmp(argv[first], "-settle"))
            settleMs = std::atoi(argv[first + 1]);
        else if (!std::strcmp(argv[first], "-timeout"))
            timeoutMs = std::atoi(argv[first + 1]);
        else if (!std::strcmp(argv[first], "-input"))
            input = argv[first + 1];
        else
            break;
        first += 2;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: startwatch [-settle MS] [-timeout MS] [-input COMMAND] program [arguments...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!dpy || !XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startwatch: needs an X display with the DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror("startwatch: exec");
        _exit(127);
    }

    std::unordered_set<Window> watched;
    const auto watch = [&](Window w) {
        if (!watched.insert(w).second)
            return;
        XSelectInput(dpy, w, StructureNotifyMask);
        // It may have been mapped before we listened.
        XWindowAttributes a;
        if (XGetWindowAttributes(dpy, w, &a) && a.map_state != IsUnmapped) {
            XEvent fake{};
            fake.type = MapNotify;
            fake.xmap.window = w;
            fake.xmap.event = w;
            XPutBackEvent(dpy, &fake);
        }
    };
    const auto stop = [&] {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    };

    // Waits for the next top-level window of the program other than `other` to be
    // mapped and painted; the times are measured from `from`. False when it never is.
    const auto awaitWindow = [&](Clock::time_point from, Window other, Window& window, double& mappedMs,
                                 double& paintedMs) {
        Damage damage = None;
        while (paintedMs < 0) {
            if (MsSince(start) > timeoutMs) {
                std::fprintf(stderr, "startwatch: no painted window within %d ms\n", timeoutMs);
                return false;
            }
            if (!XPending(dpy)) {
                pollfd p{ConnectionNumber(dpy), POLLIN, 0};
                poll(&p, 1, 50);
                int status = 0;
                if (waitpid(pid, &status, WNOHANG) == pid) {
                    std::fprintf(stderr, "startwatch: the program ended before painting\n");
                    return false;
                }
                continue;
            }
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == CreateNotify && e.xcreatewindow.parent == root) {
                watch(e.xcreatewindow.window);
            } else if (e.type == MapNotify && window == None && e.xmap.window == e.xmap.event &&
                       e.xmap.window != other && WindowPid(dpy, e.xmap.window) == pid) {
                mappedMs = MsSince(from);
                window = e.xmap.window;
                damage = XDamageCreate(dpy, window, XDamageReportNonEmpty);
                XSync(dpy, False);
                if (Painted(dpy, window))
                    paintedMs = MsSince(from);
            } else if (e.type == damageEvent + XDamageNotify && window != None &&
                       reinterpret_cast<XDamageNotifyEvent*>(&e)->drawable == window) {
                XDamageSubtract(dpy, damage, None, None);
                if (Painted(dpy, window))
                    paintedMs = MsSince(from);
            }
        }
        XDamageDestroy(dpy, damage);
        return true;
    };

    Window window = None;
    double mappedMs = -1, paintedMs = -1;
    if (!awaitWindow(start, None, window, mappedMs, paintedMs)) {
        stop();
        return 1;
    }

    const double cpuMs = CpuMs(pid);

    // A first use: once the program has settled, the input is given and the next window
    // it opens is timed from the moment the input command starts.
    double openedMs = -1, openedPaintedMs = -1;
    if (!input.empty()) {
        usleep(static_cast<useconds_t>(settleMs) * 1000);
        std::string command = input;
        for (std::size_t at = command.find("%w"); at != std::string::npos; at = command.find("%w"))
            command.replace(at, 2, std::to_string(window));
        const Clock::time_point from = Clock::now();
        if (const pid_t sender = fork(); sender == 0) {
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        } else if (sender > 0) {
            Window dialog = None;
            const bool opened = awaitWindow(from, window, dialog, openedMs, openedPaintedMs);
            waitpid(sender, nullptr, 0);
            if (!opened) {
                stop();
                return 1;
            }
        }
    }

    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const long hwm = PeakResidentKiB(pid);
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100 && waitpid(pid, &status, WNOHANG) != pid; ++i)
        usleep(20000);
    if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    std::printf("mapped_ms=%.1f painted_ms=%.1f cpu_ms=%.1f hwm_kib=%ld", mappedMs, paintedMs, cpuMs, hwm);
    if (!input.empty())
        std::printf(" opened_ms=%.1f opened_painted_ms=%.1f", openedMs, openedPaintedMs);
    std::printf("\n");
    return 0;
}

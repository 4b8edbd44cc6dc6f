// Start-up of the simulator against a minimal Qt window of the same size, in one run on the
// same X display: the time from starting the program to its first frame on the screen, and
// the resident memory once it is up. Both programs are started in turns, several times each;
// the medians and the ratios are reported.
//
// usage: q417_bench_startup [ROUNDS [PROGRAM]]   (needs DISPLAY; PROGRAM: another build of
// q417 to measure instead of this one, for comparing two builds)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double ms = 0;
    long rssKb = 0;
};

// The next window the server maps on the screen (the bench listens to the root window's
// children), or 0 once the deadline has passed. Nothing is asked of the server meanwhile:
// asking it over and over while a program sets itself up would slow that program down.
Window NextMappedWindow(Display* display, Clock::time_point deadline) {
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) return event.xmap.window;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return 0;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left.count()) + 1);
    }
}

// Whether the window shows its first frame: a pixel a quarter down its middle that is not
// black (a window's first contents).
bool Drawn(Display* display, Window window, int width, int height) {
    XImage* image = XGetImage(display, window, width / 2, height / 4, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) != 0;
}

// A window gone before it could be looked at is no error here.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

// Starts the program in a fresh folder of its own (the simulator keeps its settings beside
// itself) and waits for its first frame; the memory is read once it has settled.
Sample Measure(Display* display, const char* program) {
    char folder[] = "/tmp/q417-startup-XXXXXX";
    if (!mkdtemp(folder)) std::exit(1);
    // A hard link where it can be: a fresh 24 MB copy each round would leave its pages to be
    // written back to the disk while the next program starts.
    const std::string copy = std::string(folder) + "/program";
    if (link(program, copy.c_str()) != 0)
        std::system(("cp '" + std::string(program) + "' '" + copy + "'").c_str());
    XSync(display, True);  // events of the program before are of no interest
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(copy.c_str(), copy.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Sample s;
    const auto deadline = start + std::chrono::seconds(20);
    // The machine's window, once mapped (a program may map others first), then its first
    // frame: looked for every tenth of a millisecond, a few milliseconds at most.
    Window window = 0;
    while (!window) {
        const Window mapped = NextMappedWindow(display, deadline);
        if (!mapped) break;
        XWindowAttributes a;
        if (XGetWindowAttributes(display, mapped, &a) && a.width == 649 && a.height == 575)
            window = mapped;
    }
    while (window && !Drawn(display, window, 649, 575) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    if (Clock::now() >= deadline) std::fprintf(stderr, "%s: no window after 20 s\n", program);
    s.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    s.rssKb = ResidentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::system(("rm -rf '" + std::string(folder) + "'").c_str());
    return s;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const char* program = argc > 2 ? argv[2] : Q417_PROGRAM;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display (set DISPLAY, for example under Xvfb)\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<double> appMs, minMs, appKb, minKb;
    Measure(display, program);  // warms the file cache and the font cache
    Measure(display, MINIMAL_PROGRAM);
    for (int i = 0; i < rounds; ++i) {
        // Which program starts first changes from round to round, so that whatever else the
        // machine does at some beat falls on both alike.
        Sample m, a;
        if (i % 2 == 0) {
            m = Measure(display, MINIMAL_PROGRAM);
            a = Measure(display, program);
        } else {
            a = Measure(display, program);
            m = Measure(display, MINIMAL_PROGRAM);
        }
        minMs.push_back(m.ms);
        minKb.push_back(m.rssKb);
        appMs.push_back(a.ms);
        appKb.push_back(a.rssKb);
    }
    // The ratio is each round's own: the two programs of a round start a second apart, so
    // their ratio is spared the machine's slower and faster spells that move both medians
    // (on a shared machine the ratio of the medians swung by a tenth from run to run). The
    // ratio of the fastest starts is shown beside it: other work on the machine only ever
    // adds time.
    std::vector<double> roundRatios;
    for (size_t i = 0; i < appMs.size(); ++i) roundRatios.push_back(appMs[i] / minMs[i]);
    const double am = Median(appMs), mm = Median(minMs);
    const double ak = Median(appKb), mk = Median(minKb);
    std::printf(
        "start-up to first frame: q417 %.1f ms, minimal window %.1f ms (medians of %d rounds), "
        "ratio %.2f (median of the rounds' ratios; ratio of the medians %.2f, of the fastest "
        "starts %.2f)\n",
        am, mm, rounds, Median(roundRatios), am / mm,
        *std::min_element(appMs.begin(), appMs.end()) /
            *std::min_element(minMs.begin(), minMs.end()));
    std::printf("resident memory: q417 %.1f MB, minimal window %.1f MB, difference %.1f MB\n",
                ak / 1024, mk / 1024, (ak - mk) / 1024);
    XCloseDisplay(display);
    return 0;
}

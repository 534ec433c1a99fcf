// Start-up of the real program on a private X server, timed from outside as a user
// sees it: from the exec to the title screen on the screen (goal: 300 ms), from the
// click on the title picture to the main window on the screen (the title's animation
// of about 4.8 s included, which bench_opstart times on its own, as it times the main
// window's construction; the counter kaart_tot_beeld_ms is the part from the window's
// appearance on the X server to its panels on the screen), and the resident
// memory of the program idling in its main window (goal: 80 MB).
//
// The benchmark starts Xvfb on the first free display from :70 on and ends only the
// processes it started.
#include "app/StarterFolder.h"
#include "app/TitelPlaatje.h"

#include <QImage>
#include <QRect>
#include <QTemporaryDir>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Klok = std::chrono::steady_clock;
constexpr int kBreedteHoofdvenster = 1016; // the screen's width less margins and borders
constexpr unsigned long kKnoppenGrijs = 0xd8d5ce;

pid_t start(const std::vector<std::string> &argumenten, const std::vector<std::string> &extraEnv,
            int openFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    for (const std::string &paar : extraEnv)
        putenv(const_cast<char *>(paar.c_str()));
    std::vector<char *> argv;
    for (const std::string &argument : argumenten)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    if (openFd < 0) {
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(127);
    }
    execvp(argv[0], argv.data());
    _exit(127);
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Xvfb on a display of its own, ready when it has written its number to the pipe.
class XServer {
public:
    XServer() {
        for (int nummer = 70; nummer < 110 && display_.empty(); ++nummer) {
            if (access(("/tmp/.X" + std::to_string(nummer) + "-lock").c_str(), F_OK) == 0) continue;
            int pijp[2];
            if (pipe(pijp) != 0) return;
            pid_ = start({"Xvfb", ":" + std::to_string(nummer), "-screen", "0", "1024x768x24",
                          "-dpi", "96", "-nolisten", "tcp", "-displayfd", std::to_string(pijp[1])},
                         {}, pijp[1]);
            close(pijp[1]);
            char gemeld[16] = {};
            pollfd wacht{pijp[0], POLLIN, 0};
            if (poll(&wacht, 1, 30000) > 0 && read(pijp[0], gemeld, sizeof gemeld - 1) > 0 &&
                std::atoi(gemeld) == nummer)
                display_ = ":" + std::to_string(nummer);
            else
                stop(pid_);
            close(pijp[0]);
        }
    }
    ~XServer() {
        if (!display_.empty()) stop(pid_);
    }
    const std::string &display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// The program on the display, watched through the X server's own notices.
class Sessie {
public:
    explicit Sessie(const std::string &display) : dpy_(XOpenDisplay(display.c_str())) {
        if (dpy_) XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
    }
    ~Sessie() {
        if (dpy_) XCloseDisplay(dpy_);
    }
    bool open() const { return dpy_ != nullptr; }

    // The next window of that title and (when given) width to be mapped.
    Window wachtOpVenster(const char *naam, int breedte = 0) {
        const auto eind = Klok::now() + std::chrono::seconds(60);
        while (Klok::now() < eind) {
            if (!XPending(dpy_)) {
                pollfd wacht{ConnectionNumber(dpy_), POLLIN, 0};
                poll(&wacht, 1, 50);
                continue;
            }
            XEvent event;
            XNextEvent(dpy_, &event);
            if (event.type != MapNotify) continue;
            const Window venster = event.xmap.window;
            char *titel = nullptr;
            const bool juist = XFetchName(dpy_, venster, &titel) && std::string(titel) == naam;
            if (titel) XFree(titel);
            if (juist && (breedte == 0 || grootte(venster).width() == breedte)) return venster;
        }
        return 0;
    }

    QSize grootte(Window venster) {
        XWindowAttributes eigen{};
        XGetWindowAttributes(dpy_, venster, &eigen);
        return {eigen.width, eigen.height};
    }

    // Polls the window's pixels on the screen until `getoond` says they are there.
    // Only the part `gebied` is fetched (the whole window when empty).
    bool wachtOpPixels(Window venster, const std::function<bool(XImage *)> &getoond,
                       QRect gebied = {}) {
        if (gebied.isEmpty()) gebied = QRect(QPoint(0, 0), grootte(venster));
        const auto eind = Klok::now() + std::chrono::seconds(60);
        while (Klok::now() < eind) {
            XImage *beeld =
                XGetImage(dpy_, venster, gebied.x(), gebied.y(), unsigned(gebied.width()),
                          unsigned(gebied.height()), AllPlanes, ZPixmap);
            const bool klaar = beeld && getoond(beeld);
            if (beeld) XDestroyImage(beeld);
            if (klaar) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }

    void klik(Window venster, int x, int y) {
        Window kind;
        int schermX = 0, schermY = 0;
        XTranslateCoordinates(dpy_, venster, DefaultRootWindow(dpy_), x, y, &schermX, &schermY,
                              &kind);
        XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), schermX, schermY, 0);
        XTestFakeButtonEvent(dpy_, 1, True, 0);
        XTestFakeButtonEvent(dpy_, 1, False, 0);
        XFlush(dpy_);
    }

private:
    Display *dpy_;
};

// The title picture on the screen: most of a grid of points shows its pixels (the
// texts over it cover the rest).
bool titelGetoond(XImage *beeld) {
    static const QImage plaatje = TitelPlaatje::teken().convertToFormat(QImage::Format_RGB32);
    int gelijk = 0, geteld = 0;
    for (int y = 5; y < std::min(beeld->height, plaatje.height()); y += 10)
        for (int x = 5; x < std::min(beeld->width, plaatje.width()); x += 10, ++geteld)
            gelijk += (XGetPixel(beeld, x, y) & 0xffffff) == (plaatje.pixel(x, y) & 0xffffff);
    return geteld > 0 && gelijk * 10 >= geteld * 6;
}

// The main window on the screen: the grey of the tool button panel near its top, in
// a column of pixels through it.
const QRect kKnoppenKolom(16, 0, 1, 100);
bool hoofdvensterGetoond(XImage *beeld) {
    for (int y = 0; y < beeld->height; ++y)
        if ((XGetPixel(beeld, 0, y) & 0xffffff) == kKnoppenGrijs) return true;
    return false;
}

long rssKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string regel;
    while (std::getline(status, regel))
        if (regel.rfind("VmRSS:", 0) == 0) return std::atol(regel.c_str() + 6);
    return -1;
}

struct Omgeving {
    XServer server;
    QTemporaryDir map;
    std::unique_ptr<Sessie> sessie;
    std::vector<std::string> env;

    Omgeving() {
        StarterFolder::layOut(QStringLiteral(VOLTARIX_STARTER_DIR), map.path());
        if (server.display().empty()) return;
        sessie = std::make_unique<Sessie>(server.display());
        const std::string runtime = map.path().toStdString() + "/runtime";
        mkdir(runtime.c_str(), 0700);
        env = {"DISPLAY=" + server.display(), "QT_QPA_PLATFORM=xcb", "XDG_RUNTIME_DIR=" + runtime,
               "LANG=C.UTF-8"};
    }
    bool klaar() const { return sessie && sessie->open(); }
    pid_t startProgramma() {
        return start({VOLTARIX_PROGRAMMA, "--app-folder", map.path().toStdString()}, env);
    }
};

Omgeving &omgeving() {
    static Omgeving eigen;
    return eigen;
}

void BM_StartTotTitel(benchmark::State &state) {
    Omgeving &o = omgeving();
    if (!o.klaar()) return state.SkipWithError("no X server");
    for (auto _ : state) {
        const auto begin = Klok::now();
        const pid_t pid = o.startProgramma();
        const Window titel = o.sessie->wachtOpVenster("Voltarix");
        const bool getoond = titel && o.sessie->wachtOpPixels(titel, titelGetoond);
        state.SetIterationTime(std::chrono::duration<double>(Klok::now() - begin).count());
        stop(pid);
        if (!getoond) return state.SkipWithError("no title screen");
    }
}
BENCHMARK(BM_StartTotTitel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_KlikTotHoofdvenster(benchmark::State &state) {
    Omgeving &o = omgeving();
    if (!o.klaar()) return state.SkipWithError("no X server");
    double rss = 0, naKaart = 0;
    for (auto _ : state) {
        const pid_t pid = o.startProgramma();
        const Window titel = o.sessie->wachtOpVenster("Voltarix");
        if (!titel || !o.sessie->wachtOpPixels(titel, titelGetoond)) {
            stop(pid);
            return state.SkipWithError("no title screen");
        }
        const auto begin = Klok::now();
        o.sessie->klik(titel, 250, 100);
        const Window main = o.sessie->wachtOpVenster("Voltarix", kBreedteHoofdvenster);
        const auto gemapt = Klok::now();
        const bool getoond =
            main && o.sessie->wachtOpPixels(main, hoofdvensterGetoond, kKnoppenKolom);
        const auto klaar = Klok::now();
        state.SetIterationTime(std::chrono::duration<double>(klaar - begin).count());
        naKaart += std::chrono::duration<double, std::milli>(klaar - gemapt).count();
        // Idle: the magnifier's timer ticks, nothing else happens.
        std::this_thread::sleep_for(std::chrono::seconds(2));
        rss += double(rssKilobytes(pid)) / 1024.0;
        stop(pid);
        if (!getoond) return state.SkipWithError("no main window");
    }
    state.counters["rust_RSS_MB"] = benchmark::Counter(rss, benchmark::Counter::kAvgIterations);
    // From the window's appearance on the X server to its panels on the screen.
    state.counters["kaart_tot_beeld_ms"] =
        benchmark::Counter(naKaart, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KlikTotHoofdvenster)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

#!/usr/bin/env python3
"""e2e_wayland.py CONFIG VOLTARIX STARTER: under Weston (nested in Xvfb) with a panel, natively or
through XWayland: the main window whole beside the panel, the magnifier showing the breadboard."""

import glob
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsessie import Mislukt, controleer, draai, stop_proces, wacht_tot  # noqa: E402

ACHTERGROND, GRIJS, DONKER, ROOD = (32, 64, 96), (216, 213, 206), (90, 90, 100), (255, 0, 0)
PANEEL = 32  # the height of Weston's panel, in its own pixels
# Qt platform, compositor scale, panel side, compositor screen (its pixels), the program's scale
CONFIGS = {"native": ("wayland", 1, "top", (1024, 768), 1),
           "native@2": ("wayland", 2, "bottom", (1024, 768), 2),
           "native-2560x1440@2": ("wayland", 2, "top", (1280, 720), 1.75),
           "xwayland": ("xcb", 1, "top", (1024, 768), 1)}
# in the window's inside: tool button 7, the breadboard's tool bar, the magnifier's box, the board
KNOP7, WERKBALK, LOEP, PIC2 = (449, 25), (197, 108), (14, 145, 152, 190), (197, 118)


def m(n, f):  # n of the program's pixels in the screen's
    return int(round(n * f))


def start_weston(werk, bureau, scherm, schaal, paneel, xwayland):
    ini = os.path.join(werk, "weston.ini")
    with open(ini, "w") as uit:
        uit.write("[core]\nidle-time=0\n[shell]\npanel-position=%s\nbackground-color=0xff%02x%02x%02x\n"
                  "locking=false\nanimation=none\nstartup-animation=none\nclose-animation=none\n"
                  "focus-animation=none\n" % ((paneel,) + ACHTERGROND))
    omgeving = dict(bureau.omgeving, XDG_RUNTIME_DIR=os.path.join(werk, "runtime"))
    log = os.path.join(werk, "weston.log")
    proces = subprocess.Popen(["weston", "--backend=x11-backend.so", "--use-pixman", "--width=%d" % (scherm[0] // schaal),
                               "--height=%d" % (scherm[1] // schaal), "--scale=%d" % schaal, "--socket=wayland-e2e",
                               "--config=" + ini] + (["--xwayland"] if xwayland else []),
                              env=omgeving, stdout=open(log, "wb"), stderr=subprocess.STDOUT,
                              start_new_session=True)

    def klaar():  # its socket, and the display of its XWayland
        controleer(proces.poll() is None, "weston ended; see " + log)
        regel = next((r for r in open(log, errors="replace") if "xserver listening on display" in r), "")
        if os.path.exists(os.path.join(omgeving["XDG_RUNTIME_DIR"], "wayland-e2e")):
            return regel.split()[-1] if xwayland and regel else not xwayland
    return proces, wacht_tot(klaar, "weston and its panel")


def start(voltarix, starter, werk, platform, x_display):
    omgeving = {k: v for k, v in os.environ.items()
                if not k.startswith(("QT_", "VOLTARIX", "WAYLAND", "DISPLAY", "XDG_"))}
    omgeving.update(HOME=werk, LANG="C.UTF-8", LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=os.path.join(werk, "runtime"),
                    WAYLAND_DISPLAY="wayland-e2e")
    if platform == "xcb":  # the package's path: X through XWayland, in a Wayland session
        omgeving.update(QT_QPA_PLATFORM="xcb", DISPLAY=x_display)
    shutil.copytree(starter, os.path.join(werk, "Voltarix"))
    return subprocess.Popen([voltarix, "--app-folder", os.path.join(werk, "Voltarix")], env=omgeving,
                            stdout=open(os.path.join(werk, "voltarix.log"), "wb"), stderr=subprocess.STDOUT)


def vlak_van(beeld, boven, onder):  # the box round all but the desktop's background
    punten = [(x, y) for y in range(boven, onder, 4) for x in range(0, beeld.breedte, 4)
              if beeld.pixel(x, y) != ACHTERGROND]
    return punten and (min(punten)[0], min(y for _, y in punten), max(punten)[0], max(y for _, y in punten))


def titel(bureau, scherm, vrij, f):
    """The title screen's middle, its DPI warning answered. Weston follows the pointer from
    when it enters its window; it waits on the panel, out of the way."""
    bureau.xdo("mousemove", "--sync", scherm[0] // 2, scherm[1] + 10)
    bureau.xdo("mousemove", "--sync", scherm[0] // 2, vrij[1] + 2 if vrij[0] == 0 else 2)

    vorige = [None]

    def stil():  # the same box twice in a row: the window is drawn
        vlak = vlak_van(bureau.schermbeeld(), *vrij)
        gelijk, vorige[0] = vlak == vorige[0], vlak
        return gelijk and vlak
    vlak = wacht_tot(stil, "the title screen")
    if f != 1:  # the DPI warning over it
        bureau.toetsen("Return")
        wacht_tot(lambda: vlak_van(bureau.schermbeeld(), *vrij) != vlak, "the DPI warning to close")
        vlak = wacht_tot(stil, "the title screen")
    return (vlak[0] + vlak[2]) // 2, (vlak[1] + vlak[3]) // 2


def binnenkant(beeld, f, vrij):  # the main window's inside, found by the tool buttons' grey
    return next(((x - m(14, f), y - m(20, f)) for y in range(vrij[0], vrij[1] - m(80, f))
                 for x in range(beeld.breedte // 3)
                 if beeld.pixel(x, y) == GRIJS and beeld.pixel(x + m(40, f), y + m(40, f)) == GRIJS), None)


def hoofdvenster(bureau, scherm, f, vrij, klik):
    """Clicks the title screen until the main window shows; its title bar under a top panel,
    its work area above a bottom panel and inside the screen, right edge included."""
    for _ in range(4):
        # a click that came before the window knew of the pointer is given again
        bureau.xdo("mousemove", "--sync", klik[0] + 5, klik[1] + 5)
        bureau.klik(*klik)
        try:
            x0, y0 = wacht_tot(lambda: binnenkant(bureau.schermbeeld(), f, vrij), "the main window", tijd=12)
            break
        except Mislukt:
            pass
    else:
        raise Mislukt("the title screen does not start the program")
    bureau.klik(x0 + m(327 + 24, f), y0 + m(25 + 24, f))  # the design sheet, in its dark backdrop
    kolom = x0 + m(191 + 3, f)

    onder = wacht_tot(lambda: (lambda b: max((y for y in range(y0, scherm[1]) if b.pixel(kolom, y) == DONKER),
                                             default=None))(bureau.schermbeeld()), "the design sheet's backdrop")
    beeld = bureau.schermbeeld()
    controleer(onder + m(4, f) < vrij[1], "the work area ends at %d, past the free area %r" % (onder, vrij))
    rechts = max(x for x in range(kolom, scherm[0]) if beeld.pixel(x, onder) == DONKER)
    controleer(rechts + m(4, f) < scherm[0], "the work area reaches %d, the screen's edge" % rechts)
    # a title bar of at least 20 pixels between the panel and the menu bar, none of it desktop
    titel = [beeld.pixel(x0 + m(300, f), y) for y in range(vrij[0], y0 - m(20, f))]
    controleer(len(titel) >= m(20, f) and ACHTERGROND not in titel,
               "no title bar between the panel (%d) and the window's inside (%d)" % (vrij[0], y0))
    return x0, y0


def loep(bureau, f, x0, y0):
    bureau.klik(x0 + m(KNOP7[0] + 24, f), y0 + m(KNOP7[1] + 24, f))  # shown after its animation
    wacht_tot(lambda: bureau.schermbeeld().pixel(x0 + m(WERKBALK[0] + 400, f), y0 + m(WERKBALK[1] + 3, f)) == GRIJS,
              "the breadboard's tool bar")
    bureau.klik(x0 + m(WERKBALK[0] + 526 + 20, f), y0 + m(WERKBALK[1] + 7 + 10, f))
    # a contact point of the board, where holes and the board's face meet
    px, py = x0 + m(PIC2[0] + 296, f), y0 + m(PIC2[1] + 246, f)
    bureau.xdo("mousemove", "--sync", px + 5, py + 5)
    bureau.xdo("mousemove", "--sync", px, py)
    rond, stap = m(30, f), max(1, int(f))
    links, boven, breedte, hoogte = (x0 + m(LOEP[0] + 4, f), y0 + m(LOEP[1] + 4, f),
                                     m(LOEP[2] - 8, f), m(LOEP[3] - 8, f))

    def vergroot():
        beeld = bureau.schermbeeld()
        bord = {beeld.pixel(x, y) for x in range(px - rond, px + rond) for y in range(py - rond, py + rond)}
        doos = [k for x in range(links, links + breedte, stap) for y in range(boven, boven + hoogte, stap)
                if (k := beeld.pixel(x, y)) != ROOD]
        return len(set(doos)) > 1 and sum(k in bord for k in doos) > 0.9 * len(doos) and \
            doos.count((0, 0, 0)) < 0.5 * len(doos)
    wacht_tot(vergroot, "the magnifier to show the breadboard", tijd=20)


def main():
    naam, voltarix, starter = sys.argv[1:4]
    platform, schaal, paneel, maat, f = CONFIGS[naam]
    plugin = platform == "xcb" or glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so")
    if not (shutil.which("weston") and shutil.which("Xwayland") and plugin):
        print("e2e wayland %s: skipped, needs weston, xwayland and qt6-wayland" % naam)
        return 77
    scherm = (maat[0] * schaal, maat[1] * schaal)
    vrij = (PANEEL * schaal, scherm[1]) if paneel == "top" else (0, scherm[1] - PANEEL * schaal)

    def scenario(werk, bureau, gestart):
        os.makedirs(os.path.join(werk, "runtime"), mode=0o700)
        weston, x_display = start_weston(werk, bureau, scherm, schaal, paneel, platform == "xcb")
        gestart.append(lambda: stop_proces(weston))
        proces = start(voltarix, starter, werk, platform, x_display)
        gestart.append(lambda: stop_proces(proces))
        loep(bureau, f, *hoofdvenster(bureau, scherm, f, vrij, titel(bureau, scherm, vrij, f)))
        log = open(os.path.join(werk, "voltarix.log"), errors="replace").read()
        controleer(not log.strip(), "the program printed: " + log)
    return draai("wayland " + naam, scenario, (scherm[0], scherm[1] + 32))  # room for the pointer to enter


if __name__ == "__main__":
    sys.exit(main())

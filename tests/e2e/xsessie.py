"""A private Xvfb (no window manager), xdotool for pointer and keys, ImageMagick to read pictures."""

import os
import shutil
import subprocess
import tempfile
import time
import traceback

SCHERM = (1024, 768)


class Mislukt(Exception):
    pass


def controleer(waar, tekst):
    if not waar:
        raise Mislukt(tekst)


def wacht_tot(voorwaarde, wat, tijd=60.0, stap=0.05):  # polls until voorwaarde() is true; returns it
    eind = time.monotonic() + tijd
    while not (uitkomst := voorwaarde()):
        if time.monotonic() > eind:
            raise Mislukt("timed out waiting for " + wat)
        time.sleep(stap)
    return uitkomst


class Beeld:  # RGB pixels, row by row from the top
    def __init__(self, breedte, hoogte, rijen):
        self.breedte, self.hoogte, self.rijen = breedte, hoogte, rijen

    def pixel(self, x, y):
        return tuple(self.rijen[y][3 * x:3 * x + 3])

    def stuk(self, x, y, breedte, hoogte):
        return Beeld(breedte, hoogte,
                     [bytes(self.rijen[y + i][3 * x:3 * (x + breedte)]) for i in range(hoogte)])

    def __eq__(self, ander):
        return isinstance(ander, Beeld) and vars(self) == vars(ander)


def lees_ppm(data):  # a binary 8-bit PPM as ImageMagick writes it: header without comments
    soort, breedte, hoogte, diepte = data.split(maxsplit=4)[:4]
    if soort != b"P6" or diepte != b"255":
        raise Mislukt("not an 8-bit PPM")
    rij = 3 * int(breedte)
    pixels = data[len(data) - rij * int(hoogte):]
    return Beeld(int(breedte), int(hoogte), [pixels[y * rij:(y + 1) * rij] for y in range(int(hoogte))])


def lees_plaatje(pad):  # any picture ImageMagick reads, transparent parts on white as the program does
    return lees_ppm(subprocess.run(["convert", pad, "-background", "white", "-alpha", "remove", "-alpha",
                                    "off", "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout)


def xvfb(basis, log, scherm=SCHERM):  # an X server of our own on the first free display from `basis` on
    for nummer in range(basis, basis + 40):
        # It writes its number once it listens, and ends at once if the number is taken.
        proces = subprocess.Popen(
            ["Xvfb", ":%d" % nummer, "-screen", "0", "%dx%dx24" % scherm, "-dpi", "96", "-nolisten",
             "tcp", "-noreset", "-s", "0", "-displayfd", "1"],
            stdout=subprocess.PIPE, stderr=log, start_new_session=True)
        if proces.stdout.readline().strip() == str(nummer).encode():
            return proces, ":%d" % nummer
        stop_proces(proces)
    raise Mislukt("no free X display from :%d on" % basis)


def stop_proces(proces):
    if proces.poll() is None:
        proces.terminate()
        try:
            proces.wait(10)
        except subprocess.TimeoutExpired:
            proces.kill()
            proces.wait()


class Bureau:  # the display with xdotool and import on it
    def __init__(self, display):
        self.omgeving = dict(os.environ, DISPLAY=display)

    def xdo(self, *argumenten, check=True):
        uit = subprocess.run(["xdotool", *map(str, argumenten)], env=self.omgeving, capture_output=True, text=True)
        if check and uit.returncode != 0:
            raise Mislukt("xdotool %s: %s" % (" ".join(map(str, argumenten)), uit.stderr))
        return uit.stdout

    def vensters(self, naam):  # the mapped windows whose title is exactly `naam`
        return [int(v) for v in self.xdo("search", "--onlyvisible", "--name", "^%s$" % naam, check=False).split()]

    def geometrie(self, venster):  # left, top, width, height; None once it has gone
        velden = dict(regel.split("=") for regel in self.xdo("getwindowgeometry", "--shell", venster, check=False).split())
        return tuple(int(velden[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")) if "X" in velden else None

    def wacht_op_venster(self, naam, breedte=None):  # the window of that title (and width)
        return wacht_tot(lambda: next((v for v in self.vensters(naam) if (g := self.geometrie(v)) and
                                       breedte in (None, g[2])), None), "window '%s'" % naam)

    def wacht_tot_weg(self, venster, naam):
        wacht_tot(lambda: venster not in self.vensters(naam), "window '%s' to close" % naam)

    def klik(self, x, y, knop=1):
        self.xdo("mousemove", "--sync", x, y, "click", knop)

    def sleep_muis(self, punten):  # a drag with the left button along the points
        for i, punt in enumerate(punten):  # the button goes down at the first point
            self.xdo("mousemove", "--sync", *punt, *(("mousedown", 1) if i == 0 else ()))
        self.xdo("mouseup", 1)

    def toetsen(self, *toetsen):
        self.xdo("key", "--delay", 30, *toetsen)

    def typ(self, tekst):
        self.xdo("type", "--delay", 30, tekst)

    def focus(self, venster):
        self.xdo("windowfocus", "--sync", venster)

    def schermbeeld(self):
        return lees_ppm(subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                                       env=self.omgeving, check=True, capture_output=True).stdout)


def draai(naam, scenario, scherm=SCHERM):
    """Runs `scenario(werk, bureau, gestart)` on its own X server; `gestart` takes the stop of
    each process it starts. A failure keeps the screenshot and logs in the printed folder."""
    werk, server = tempfile.mkdtemp(prefix="voltarix-e2e-%s-" % naam.split()[0]), None
    gestart = [lambda: server and stop_proces(server)]  # stopped in reverse order: the X server last
    try:
        server, display = xvfb(int(os.environ.get("VOLTARIX_E2E_DISPLAY", "70")),
                               open(os.path.join(werk, "xvfb.log"), "wb"), scherm)
        scenario(werk, bureau := Bureau(display), gestart)
    except Exception:  # noqa: BLE001 - every failure is reported the same way
        traceback.print_exc()
        if server:
            subprocess.run(["import", "-window", "root", os.path.join(werk, "mislukt.png")], env=bureau.omgeving,
                           check=False)
        if os.path.exists(log := os.path.join(werk, "voltarix.log")):
            print(open(log, errors="replace").read()[-4000:])
        print("e2e %s: FAILED; screenshot and logs kept in %s" % (naam, werk))
        return 1
    finally:
        for stop in reversed(gestart):
            stop()
    shutil.rmtree(werk, ignore_errors=True)
    print("e2e %s: passed" % naam)
    return 0

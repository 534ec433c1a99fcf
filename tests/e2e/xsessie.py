"""A private X server with Voltarix on it, driven the way a user drives it.

Xvfb on a free display (no window manager), the pointer and keys from xdotool, the
screen and the program's pictures read with ImageMagick. Every wait polls for what it
waits for; only the processes this module started are ever ended.
"""

import os
import signal
import subprocess
import time

SCHERM = (1024, 768)


class Mislukt(Exception):
    pass


def wacht_tot(voorwaarde, wat, tijd=60.0, stap=0.05):
    """Polls until `voorwaarde()` gives something true; returns it."""
    eind = time.monotonic() + tijd
    while not (uitkomst := voorwaarde()):
        if time.monotonic() > eind:
            raise Mislukt("timed out waiting for " + wat)
        time.sleep(stap)
    return uitkomst


class Beeld:
    """RGB pixels, row by row from the top."""

    def __init__(self, breedte, hoogte, rijen):
        self.breedte, self.hoogte, self.rijen = breedte, hoogte, rijen

    def pixel(self, x, y):
        return tuple(self.rijen[y][3 * x:3 * x + 3])

    def stuk(self, x, y, breedte, hoogte):
        return Beeld(breedte, hoogte,
                     [bytes(self.rijen[y + i][3 * x:3 * (x + breedte)]) for i in range(hoogte)])

    def __eq__(self, ander):
        return isinstance(ander, Beeld) and \
            (self.breedte, self.hoogte, self.rijen) == (ander.breedte, ander.hoogte, ander.rijen)


def lees_ppm(data):
    """A binary 8-bit PPM as ImageMagick writes it: header without comments, then pixels."""
    soort, breedte, hoogte, diepte = data.split(maxsplit=4)[:4]
    if soort != b"P6" or diepte != b"255":
        raise Mislukt("not an 8-bit PPM")
    rij = 3 * int(breedte)
    pixels = data[len(data) - rij * int(hoogte):]
    return Beeld(int(breedte), int(hoogte), [pixels[y * rij:(y + 1) * rij] for y in range(int(hoogte))])


def lees_plaatje(pad):
    """Any picture ImageMagick reads, transparent parts on white, as the program does."""
    return lees_ppm(subprocess.run(["convert", pad, "-background", "white", "-alpha", "remove", "-alpha",
                                    "off", "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout)


class Xvfb:
    """An X server of our own on the first free display from `basis` on."""

    def __init__(self, basis, log, scherm=SCHERM):
        for nummer in range(basis, basis + 40):
            # The server writes its number on stdout once it listens; it ends at once
            # when another server holds the number.
            proces = subprocess.Popen(
                ["Xvfb", ":%d" % nummer, "-screen", "0", "%dx%dx24" % scherm, "-dpi", "96", "-nolisten",
                 "tcp", "-noreset", "-s", "0", "-displayfd", "1"],
                stdout=subprocess.PIPE, stderr=log, start_new_session=True)
            if proces.stdout.readline().strip() == str(nummer).encode():
                self.proces, self.display = proces, ":%d" % nummer
                return
            stop_proces(proces)
        raise Mislukt("no free X display from :%d on" % basis)

    def stop(self):
        stop_proces(self.proces)


def stop_proces(proces):
    """Ends one process this test started, politely first."""
    if proces.poll() is None:
        proces.send_signal(signal.SIGTERM)
        try:
            proces.wait(10)
        except subprocess.TimeoutExpired:
            proces.kill()
            proces.wait()


class Bureau:
    """The display with xdotool and import on it."""

    def __init__(self, display):
        self.omgeving = dict(os.environ, DISPLAY=display)

    def xdo(self, *argumenten, check=True):
        uit = subprocess.run(["xdotool", *map(str, argumenten)], env=self.omgeving, capture_output=True,
                             text=True)
        if check and uit.returncode != 0:
            raise Mislukt("xdotool %s: %s" % (" ".join(map(str, argumenten)), uit.stderr))
        return uit.stdout

    def vensters(self, naam):
        """The mapped windows whose title is exactly `naam`."""
        uit = self.xdo("search", "--onlyvisible", "--name", "^%s$" % naam, check=False)
        return [int(venster) for venster in uit.split()]

    def geometrie(self, venster):
        """Left, top, width and height; None for a window that has gone meanwhile."""
        uit = self.xdo("getwindowgeometry", "--shell", venster, check=False)
        velden = dict(regel.split("=") for regel in uit.split())
        return tuple(int(velden[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")) if "X" in velden else None

    def wacht_op_venster(self, naam, breedte=None):
        """The one window of that title (and width); polls until it is mapped."""
        def gevonden():
            for venster in self.vensters(naam):
                plaats = self.geometrie(venster)
                if plaats and breedte in (None, plaats[2]):
                    return venster
        return wacht_tot(gevonden, "window '%s'" % naam)

    def wacht_tot_weg(self, venster, naam):
        wacht_tot(lambda: venster not in self.vensters(naam), "window '%s' to close" % naam)

    def klik(self, x, y, knop=1):
        self.xdo("mousemove", "--sync", x, y, "click", knop)

    def sleep_muis(self, punten):
        """A drag with the left button along the given screen points."""
        self.xdo("mousemove", "--sync", *punten[0])
        self.xdo("mousedown", 1)
        for punt in punten[1:]:
            self.xdo("mousemove", "--sync", *punt)
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

    def bewaar_schermbeeld(self, pad):
        subprocess.run(["import", "-window", "root", pad], env=self.omgeving, check=False)

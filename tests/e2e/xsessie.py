"""A private X server with Voltarix on it, driven the way a user drives it.

The test starts its own Xvfb on a free display number (no window manager), the real
voltarix executable on it with a fresh application folder, and moves the pointer and
types with xdotool. Pictures are read from outside: screenshots with ImageMagick's
`import`, the program's BMP files with a small reader of our own. Every wait polls
for the thing it waits for; nothing sleeps a fixed time in the hope that it is done.
Only the processes this module started are ever ended.
"""

import os
import select
import signal
import struct
import subprocess
import time

SCHERM = (1024, 768)


class Mislukt(Exception):
    pass


def wacht_tot(voorwaarde, wat, tijd=60.0, stap=0.05):
    """Polls until `voorwaarde()` gives something true; returns it."""
    eind = time.monotonic() + tijd
    while True:
        uitkomst = voorwaarde()
        if uitkomst:
            return uitkomst
        if time.monotonic() > eind:
            raise Mislukt("timed out waiting for " + wat)
        time.sleep(stap)


class Beeld:
    """RGB pixels, row by row from the top."""

    def __init__(self, breedte, hoogte, rijen):
        self.breedte, self.hoogte, self.rijen = breedte, hoogte, rijen

    def pixel(self, x, y):
        rij = self.rijen[y]
        return tuple(rij[3 * x:3 * x + 3])

    def stuk(self, x, y, breedte, hoogte):
        return Beeld(breedte, hoogte,
                     [bytes(self.rijen[y + i][3 * x:3 * (x + breedte)]) for i in range(hoogte)])

    def __eq__(self, ander):
        if not isinstance(ander, Beeld):
            return False
        return (self.breedte, self.hoogte, self.rijen) == (ander.breedte, ander.hoogte, ander.rijen)

    def verschillen(self, ander):
        """The number of pixels that differ, for messages."""
        if (self.breedte, self.hoogte) != (ander.breedte, ander.hoogte):
            return -1
        return sum(1 for y in range(self.hoogte) for x in range(self.breedte)
                   if self.pixel(x, y) != ander.pixel(x, y))


def lees_ppm(data):
    """A binary PPM (P6, 8 bits) as written by ImageMagick."""
    velden, plek = [], 0
    while len(velden) < 4:
        while data[plek:plek + 1].isspace():
            plek += 1
        if data[plek:plek + 1] == b"#":
            plek = data.index(b"\n", plek)
            continue
        begin = plek
        while not data[plek:plek + 1].isspace():
            plek += 1
        velden.append(data[begin:plek])
    if velden[0] != b"P6" or velden[3] != b"255":
        raise Mislukt("not an 8-bit PPM")
    breedte, hoogte = int(velden[1]), int(velden[2])
    plek += 1
    rij = 3 * breedte
    return Beeld(breedte, hoogte, [data[plek + y * rij:plek + (y + 1) * rij] for y in range(hoogte)])


def lees_bmp(pad):
    """A 24-bit uncompressed BMP, as the program writes its sheets and symbols."""
    with open(pad, "rb") as bestand:
        data = bestand.read()
    if data[:2] != b"BM":
        raise Mislukt(pad + " is no BMP")
    begin, = struct.unpack_from("<I", data, 10)
    breedte, hoogte = struct.unpack_from("<ii", data, 18)
    bits, compressie = struct.unpack_from("<HI", data, 28)
    if bits != 24 or compressie != 0:
        raise Mislukt("%s: %d bits, compression %d" % (pad, bits, compressie))
    rij = (breedte * 3 + 3) // 4 * 4
    if len(data) < begin + rij * abs(hoogte):
        raise Mislukt(pad + " is cut short")
    rijen = []
    for y in range(abs(hoogte)):
        bron = abs(hoogte) - 1 - y if hoogte > 0 else y
        bgr = data[begin + bron * rij:begin + bron * rij + 3 * breedte]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rijen.append(bytes(rgb))
    return Beeld(breedte, abs(hoogte), rijen)


def lees_plaatje(pad):
    """Any picture ImageMagick reads, transparent parts on white, as the program does."""
    data = subprocess.run(["convert", pad, "-background", "white", "-alpha", "remove",
                           "-alpha", "off", "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    return lees_ppm(data)


class Xvfb:
    """An X server of our own on the first free display from `basis` on."""

    def __init__(self, basis, log, scherm=SCHERM):
        for nummer in range(basis, basis + 40):
            if os.path.exists("/tmp/.X%d-lock" % nummer) or \
                    os.path.exists("/tmp/.X11-unix/X%d" % nummer):
                continue
            lezen, schrijven = os.pipe()
            proces = subprocess.Popen(
                ["Xvfb", ":%d" % nummer, "-screen", "0", "%dx%dx24" % scherm, "-dpi", "96",
                 "-nolisten", "tcp", "-noreset", "-s", "0", "-displayfd", str(schrijven)],
                pass_fds=(schrijven,), stdout=log, stderr=log, start_new_session=True)
            os.close(schrijven)
            gemeld = self._lees_melding(lezen, proces)
            os.close(lezen)
            if gemeld == str(nummer):
                self.proces, self.display = proces, ":%d" % nummer
                return
            # Another server took the number between our look and our start.
            stop_proces(proces)
        raise Mislukt("no free X display from :%d on" % basis)

    @staticmethod
    def _lees_melding(lezen, proces):
        data, eind = b"", time.monotonic() + 30
        while not data.endswith(b"\n") and time.monotonic() < eind:
            klaar, _, _ = select.select([lezen], [], [], 0.1)
            if klaar:
                stuk = os.read(lezen, 16)
                if not stuk:
                    break
                data += stuk
            elif proces.poll() is not None:
                break
        return data.decode().strip()

    def stop(self):
        stop_proces(self.proces)


def stop_proces(proces):
    """Ends one process this test started, politely first."""
    if proces.poll() is not None:
        return
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
        uit = subprocess.run(["xdotool"] + [str(a) for a in argumenten], env=self.omgeving,
                             capture_output=True, text=True)
        if check and uit.returncode != 0:
            raise Mislukt("xdotool %s: %s" % (" ".join(map(str, argumenten)), uit.stderr))
        return uit.stdout

    def vensters(self, naam):
        """The mapped windows whose title is exactly `naam`."""
        uit = self.xdo("search", "--onlyvisible", "--name", "^%s$" % naam, check=False)
        return [int(regel) for regel in uit.split()]

    def geometrie(self, venster):
        """Left, top, width and height; None for a window that has gone meanwhile."""
        velden = {}
        uit = self.xdo("getwindowgeometry", "--shell", venster, check=False)
        if "X=" not in uit:
            return None
        for regel in uit.split():
            sleutel, _, waarde = regel.partition("=")
            velden[sleutel] = int(waarde)
        return velden["X"], velden["Y"], velden["WIDTH"], velden["HEIGHT"]

    def wacht_op_venster(self, naam, breedte=None):
        """The one window of that title (and width); polls until it is mapped."""
        def gevonden():
            for venster in self.vensters(naam):
                plaats = self.geometrie(venster)
                if plaats and (breedte is None or plaats[2] == breedte):
                    return venster
            return None
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
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.omgeving,
                              check=True, capture_output=True).stdout
        return lees_ppm(data)

    def bewaar_schermbeeld(self, pad):
        subprocess.run(["import", "-window", "root", pad], env=self.omgeving, check=False)

#!/usr/bin/env python3
"""e2e_scherm.py CONFIG VOLTARIX STARTER PLAATSEN: on a screen of SCHERMEN, the title screen centred at
its scale, the DPI warning, and the main window on the free area with its controls whole."""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsessie import controleer, draai, stop_proces, wacht_tot  # noqa: E402

GRIJS, STATUS, DONKER = (216, 213, 206), (200, 220, 220), (90, 90, 100)

# screen, desktop scale as QT_SCALE_FACTOR ("qt") or Xft.dpi ("xft"), free area, scale to show at
SCHERMEN = {
    "1024x768": ((1024, 768), 1.0, "qt", None, 1.0),
    "1366x768": ((1366, 768), 1.0, "qt", None, 1.0),
    "1366x768@1.25": ((1366, 768), 1.25, "qt", (0, 0, 1366, 728), 1.0),
    "1920x1080@1.25": ((1920, 1080), 1.25, "qt", None, 1.25),
    "1920x1080@1.5": ((1920, 1080), 1.5, "xft", (0, 48, 1920, 1032), 1.25),
    "2560x1440@1.5": ((2560, 1440), 1.5, "qt", None, 1.5),
    "3840x2160@2": ((3840, 2160), 2.0, "qt", (96, 0, 3744, 2160), 2.0),
}


def start(voltarix, starter, werk, bureau, schaal, hoe, paneel):
    omgeving = {k: v for k, v in bureau.omgeving.items() if not k.startswith(("QT_", "VOLTARIX"))}
    omgeving.update(QT_QPA_PLATFORM="xcb", HOME=werk, LANG="C.UTF-8", LC_ALL="C.UTF-8",
                    XDG_RUNTIME_DIR=os.path.join(werk, "runtime"))
    os.makedirs(omgeving["XDG_RUNTIME_DIR"], mode=0o700)
    if hoe == "qt" and schaal != 1:
        omgeving["QT_SCALE_FACTOR"] = str(schaal)
    for naam, soort, waarde in (("RESOURCE_MANAGER", "8s", hoe == "xft" and "Xft.dpi:\t%d\n" % (96 * schaal)),
                                ("_NET_WORKAREA", "32c", paneel and ",".join(map(str, paneel)))):
        if waarde:
            subprocess.run(["xprop", "-root", "-f", naam, soort, "-set", naam, waarde],
                           env=bureau.omgeving, check=True)
    return subprocess.Popen([voltarix, "--app-folder", shutil.copytree(starter, os.path.join(werk, "Voltarix"))],
                            env=omgeving, stdout=open(os.path.join(werk, "voltarix.log"), "wb"), stderr=subprocess.STDOUT)


def door_titel(bureau, vrij, schaal, f):
    titel = bureau.wacht_op_venster("Voltarix")
    x, y, w, h = bureau.geometrie(titel)
    controleer((w, h) == (round(500 * f), round(320 * f)), "title screen of %dx%d" % (w, h))
    controleer(abs(2 * x + w - 2 * vrij[0] - vrij[2]) <= 4 and abs(2 * y + h - 2 * vrij[1] - vrij[3]) <= 4,
               "title screen at %d,%d, not centred on %r" % (x, y, vrij))
    if schaal != 1:
        bureau.focus(titel)
        bureau.focus(melding := bureau.wacht_op_venster(" Error"))
        bureau.toetsen("Return")
        bureau.wacht_tot_weg(melding, " Error")
    bureau.klik(x + w // 2, y + h // 3)
    return wacht_tot(lambda: next((v for v in bureau.vensters("Voltarix")
                                   if (bureau.geometrie(v) or (0, 0, 0))[2] > w), None), "the main window")


def hoofdvenster(plaatsen, bureau, venster, vrij, f):
    x0, y0, w, h = bureau.geometrie(venster)
    controleer(vrij[0] <= x0 and vrij[1] <= y0 and x0 + w <= vrij[0] + vrij[2] and y0 + h <= vrij[1] + vrij[3],
               "main window %r off the free area %r" % ((x0, y0, w, h), vrij))
    uit = subprocess.run([plaatsen] + [str(round(m / f)) for m in vrij[2:]], check=True,
                         capture_output=True, text=True).stdout
    tabel = {naam + index: tuple(map(int, maten)) for naam, index, *maten in map(str.split, uit.splitlines())}
    knop, achter = tabel["Knop15"], tabel["BackKnoppen0"]
    kolom = x0 + round((achter[0] + 2) * f)
    grijs = lambda b: next((r for r in range(y0, y0 + round(80 * f)) if b.pixel(kolom, r) == GRIJS), None)  # noqa: E731
    y0 = wacht_tot(lambda: grijs(bureau.schermbeeld()), "the tool-button backdrop") - round(achter[1] * f)

    def punt(naam, dx, dy):  # from the control's left and top; negative from right and bottom
        x, y, w, h = tabel[naam]
        return (x0 + round((x + dx + (w if dx < 0 else 0)) * f),
                y0 + round((y + dy + (h if dy < 0 else 0)) * f))

    bureau.klik(*punt("Knop5", 24, 24))  # the design sheet, with the dark backdrop round it
    # right of the last tool button, in the status line, the work area's bottom right
    proeven = [(punt("Knop15", (knop[2] + achter[0] + achter[2] - knop[0]) // 2, 24), GRIJS),
               (punt("BackLabel80", -6, 10), STATUS), (punt("BackPic0", -3, -3), DONKER)]
    beeld = wacht_tot(lambda: (lambda b: all(b.pixel(*p) == k for p, k in proeven) and b)(
        bureau.schermbeeld()), "the backdrops of the last tool button, the status line and the work area")
    if (n := int(f)) == f:  # a sheet pixel is f x f device pixels of one colour: nothing smoothed
        x0, y0 = punt("Pic0", 0, 0)
        blokken = [{beeld.pixel(x + i, y + j) for i in range(n) for j in range(n)}
                   for y in range(y0, y0 + 120 * n, n) for x in range(x0, x0 + 120 * n, n)]
        controleer(all(len(b) == 1 for b in blokken) and len(set.union(*blokken)) > 1,
                   "the design sheet is smoothed or has no raster")


def main():
    naam, voltarix, starter, plaatsen = sys.argv[1:5]
    scherm, schaal, hoe, paneel, f = SCHERMEN[naam]
    vrij = paneel or (0, 0) + scherm

    def scenario(werk, bureau, gestart):
        proces = start(voltarix, starter, werk, bureau, schaal, hoe, paneel)
        gestart.append(lambda: stop_proces(proces))
        hoofdvenster(plaatsen, bureau, door_titel(bureau, vrij, schaal, f), vrij, f)
    return draai("scherm " + naam, scenario, scherm)


if __name__ == "__main__":
    sys.exit(main())

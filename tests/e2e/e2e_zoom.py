#!/usr/bin/env python3
"""e2e_zoom.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE
Zoom and pan of the breadboard, wires snapped to holes, the holes that connect: a wire drawn at
4x lands where the same drag lands at 1x, a wire released 6 pixels off a hole ends at its centre,
the marks of a strip show on the screen and in no file, Ctrl+0 gives the normal view back."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_voltarix  # noqa: E402
from e2e_voltarix import exporteer, klembord, lees, lees_plaatje  # noqa: E402
from xsessie import controleer, wacht_tot  # noqa: E402

ORANJE = (255, 140, 0)  # the marks of the holes that connect
DRAAD = [(233, 301), (290, 320), (351, 333)]  # a drag over the board, in sheet pixels
ROND = (300, 300)  # the sheet pixel under the pointer while zooming
A, B = (276, 246), (356, 246)  # the centres of holes D5 and D9


def ongedaan(v, kaal):
    v.toetsen_aan_venster("ctrl+z")
    v.wacht_op_beeld("Pic2", kaal, "the bare board after Undo")


def draad(v, punten, naam, naar_scherm=None):  # dragged over the board; the saved .brb
    v.bureau.sleep_muis([(naar_scherm or (lambda x, y: v.punt("Pic2", x, y)))(*p) for p in punten])
    v.muis_weg()
    return lees_plaatje(v.opslaan(naam)[1])


def op_4x_als_op_1x(v, kaal):
    op_1x = draad(v, DRAAD, "Zoom 1")
    ongedaan(v, kaal)
    # Three notches of Ctrl+wheel, each keeping the sheet pixel under the pointer: the view
    # scrolls by 3 x the pointer's place, and that pixel is a 4 x 4 block under it.
    v.bureau.xdo("mousemove", "--sync", *v.punt("Pic2", *ROND))
    v.bureau.xdo("keydown", "ctrl", "click", "--repeat", "3", "4", "keyup", "ctrl")
    naar_scherm = lambda x, y: v.punt("Pic2", 4 * x - 3 * ROND[0] + 2, 4 * y - 3 * ROND[1] + 2)  # noqa: E731
    m = naar_scherm(*ROND)
    v.wacht_op(None, lambda s: {s.pixel(m[0] + dx, m[1] + dy) for dx in (-2, 1) for dy in (-2, 1)}
               == {op_1x.pixel(*ROND)}, "the sheet pixel under the pointer, 4 times as large")
    controleer(draad(v, DRAAD, "Zoom 4", naar_scherm) == op_1x, "the wire drawn at 4x lies elsewhere")
    v.toetsen_aan_venster("ctrl+0")
    v.wacht_op_beeld("Pic2", v.zoals_getoond(op_1x), "the normal view after Ctrl+0")


def vastklikken(v, kaal):
    ongedaan(v, kaal)
    midden_op_midden = draad(v, [A, (316, 250), B], "Gat exact")
    ongedaan(v, kaal)
    v.toetsen_aan_venster("ctrl+g")
    wacht_tot(lambda: os.path.isfile(v.pad("Vastklikken.txt")) and lees(v.pad("Vastklikken.txt")) == b"aan\n",
              "Vastklikken.txt saying aan")
    controleer(draad(v, [(A[0] - 4, A[1] + 3), (316, 250), (B[0] + 6, B[1])], "Gat vast") == midden_op_midden,
               "the snapped wire does not run from centre to centre")
    return midden_op_midden


def markeringen(v, bord):
    """Over hole C12 the holes A12 to E12 are ringed on the screen, and in no file."""
    boven_gat, ring = v.punt("Pic2", 416, 226), v.punt("Pic2", 408, 186)  # left of A12, clear of it

    def wijs_aan():  # from beside the hole, as giving the window the keys may have taken the pointer away
        v.bureau.xdo("mousemove", "--sync", boven_gat[0] + 1, boven_gat[1] + 1)
        v.bureau.xdo("mousemove", "--sync", *boven_gat)
        v.wacht_op(None, lambda s: s.pixel(*ring) == ORANJE, "the strip's marks on the screen")
    wijs_aan()
    v.toetsen_aan_venster("ctrl+c")  # the whole sheet: nothing is selected
    pad = os.path.join(v.werk, "klembord.png")

    def van_klembord():
        with open(pad, "wb") as bestand:
            bestand.write(klembord(v, "image/png"))
        return os.path.getsize(pad) and lees_plaatje(pad)
    gekopieerd = wacht_tot(van_klembord, "the breadboard on the clipboard", tijd=30)
    wijs_aan()
    png = lees_plaatje(exporteer(v, "bord.png"))
    wijs_aan()
    for naam, beeld in (("clipboard", gekopieerd), ("PNG", png), (".brb", lees_plaatje(v.opslaan("Gemarkeerd")[1]))):
        controleer(beeld == bord, "the %s differs from the board (marks: %s)" % (naam, ORANJE in set(
            beeld.pixel(x, y) for y in range(beeld.hoogte) for x in range(beeld.breedte))))


def scenario_zoom(v):
    v.muis_weg()
    kaal = v.na_verandering("Pic2", lambda: v.knop(7), "the breadboard view")
    v.kies_uit_keuzelijst("Combo2", 2)  # Blauw
    v.kies_uit_keuzelijst("Combo3", 1)  # Draadverbinding
    op_4x_als_op_1x(v, kaal)
    markeringen(v, vastklikken(v, kaal))
    v.afsluiten()


if __name__ == "__main__":
    e2e_voltarix.SCENARIOS["zoom"] = scenario_zoom
    sys.argv.insert(1, "zoom")
    sys.exit(e2e_voltarix.main())

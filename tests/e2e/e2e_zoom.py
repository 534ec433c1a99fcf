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


def sleep_op(v, punten, naar_scherm):
    v.bureau.sleep_muis([naar_scherm(*p) for p in punten])
    v.muis_weg()


def bewaar(v, naam):
    v.muis_weg()
    return lees_plaatje(v.opslaan(naam)[1])


def zonder_oranje(beeld):
    return all(ORANJE not in {beeld.pixel(x, y) for x in range(beeld.breedte)} for y in range(beeld.hoogte))


def ongedaan(v, kaal):
    v.toetsen_aan_venster("ctrl+z")
    v.wacht_op_beeld("Pic2", kaal, "the bare board after Undo")


def zoom_naar_4(v):
    """Three notches of Ctrl+wheel: each keeps the sheet pixel under the pointer, so the view
    scrolls by 3 x the pointer's place. Returns the screen point of a sheet pixel."""
    v.bureau.xdo("mousemove", "--sync", *v.punt("Pic2", *ROND))
    v.bureau.xdo("keydown", "ctrl")
    for _ in range(3):
        v.bureau.xdo("click", 4)
    v.bureau.xdo("keyup", "ctrl")
    return lambda x, y: v.punt("Pic2", 4 * x - 3 * ROND[0] + 2, 4 * y - 3 * ROND[1] + 2)


def op_4x_als_op_1x(v, kaal):
    sleep_op(v, DRAAD, lambda x, y: v.punt("Pic2", x, y))
    op_1x = bewaar(v, "Zoom 1")
    ongedaan(v, kaal)
    naar_scherm = zoom_naar_4(v)
    # The sheet pixel under the pointer is the one it was over at 1x: a 4 x 4 block of it.
    midden = naar_scherm(*ROND)
    v.wacht_op(None, lambda s: {s.pixel(midden[0] + dx, midden[1] + dy) for dx in (-2, 1) for dy in (-2, 1)}
               == {op_1x.pixel(ROND[0], ROND[1])}, "the sheet pixel under the pointer, 4 times as large")
    sleep_op(v, DRAAD, naar_scherm)
    controleer(bewaar(v, "Zoom 4") == op_1x, "the wire drawn at 4x lies elsewhere than at 1x")
    v.toetsen_aan_venster("ctrl+0")
    v.wacht_op_beeld("Pic2", v.zoals_getoond(op_1x), "the normal view after Ctrl+0")


def vastklikken(v, kaal):
    ongedaan(v, kaal)
    op_1x = lambda x, y: v.punt("Pic2", x, y)  # noqa: E731
    sleep_op(v, [A, (316, 250), B], op_1x)
    midden_op_midden = bewaar(v, "Gat exact")
    ongedaan(v, kaal)
    v.toetsen_aan_venster("ctrl+g")
    wacht_tot(lambda: os.path.isfile(v.pad("Vastklikken.txt")) and lees(v.pad("Vastklikken.txt")) == b"aan\n",
              "Vastklikken.txt saying aan")
    sleep_op(v, [(A[0] - 4, A[1] + 3), (316, 250), (B[0] + 6, B[1])], op_1x)
    controleer(bewaar(v, "Gat vast") == midden_op_midden, "the snapped wire does not run from centre to centre")
    return midden_op_midden


def markeringen(v, bord):
    """Over hole C12 the holes A12 to E12 are ringed on the screen, and in no file."""
    boven_gat = v.punt("Pic2", 416, 226)
    ring = v.punt("Pic2", 408, 186)  # left of A12, two pixels clear of its square

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
    v.toetsen_aan_venster("ctrl+s")
    v.dialoog(" Project opslaan", "Return", typ="Gemarkeerd")
    brb_pad = v.pad("Projecten", "Gemarkeerd.brb")
    wacht_tot(lambda: os.path.isfile(brb_pad), "the saved .brb")
    brb = lees_plaatje(brb_pad)
    for naam, beeld in (("clipboard", gekopieerd), ("PNG", png), (".brb", brb)):
        controleer(zonder_oranje(beeld), "the marks reached the %s" % naam)
        controleer(beeld == bord, "the %s differs from the board" % naam)


def scenario_zoom(v):
    v.muis_weg()
    kaal = v.na_verandering("Pic2", lambda: v.knop(7), "the breadboard view")
    v.kies_uit_keuzelijst("Combo2", 2)  # Blauw
    v.kies_uit_keuzelijst("Combo3", 1)  # Draadverbinding
    op_4x_als_op_1x(v, kaal)
    bord = vastklikken(v, kaal)
    markeringen(v, bord)
    v.afsluiten()


if __name__ == "__main__":
    e2e_voltarix.SCENARIOS["zoom"] = scenario_zoom
    sys.argv.insert(1, "zoom")
    sys.exit(e2e_voltarix.main())

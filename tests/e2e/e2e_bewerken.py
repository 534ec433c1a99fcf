#!/usr/bin/env python3
"""e2e_bewerken.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE
Undo and redo on the design sheet; selecting, moving, copying and pasting on both sheets, read
from the screen."""

import itertools
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_voltarix  # noqa: E402
from e2e_voltarix import kies_symbool, teken_draad  # noqa: E402

# the cells (column, row) that get a symbol; the first four the 2 x 2 square that is moved
CELLEN = [(1, 1), (2, 1), (1, 2), (2, 2), (6, 4)]


def binnen(blad, cel):  # the 49 x 49 inside of a cell
    return blad.stuk(cel[0] * 50 + 1, cel[1] * 50 + 1, 49, 49)


def ontwerpblad(v):
    leeg = v.na_verandering("Pic", lambda: v.knop(5), "the design sheet")
    symbool = kies_symbool(v)
    for cel in CELLEN:
        v.bureau.klik(*v.punt("Pic", cel[0] * 50 + 25, cel[1] * 50 + 25))
    vol = v.wacht_op("Pic", lambda b: all(binnen(b, c) == symbool for c in CELLEN), "five symbols")
    for toets, beeld in (("ctrl+z", leeg), ("ctrl+y", vol)):  # five Undos, five Redos
        v.toetsen_aan_venster(*[toets] * len(CELLEN))
        v.wacht_op_beeld("Pic", beeld, "the sheet after five times %s" % toets)

    # Shift and a drag over the 2 x 2 square selects it; a drag from inside it moves it.
    v.bureau.xdo("keydown", "shift")
    v.bureau.sleep_muis([v.punt("Pic", 60, 60), v.punt("Pic", 120, 100), v.punt("Pic", 140, 140)])
    v.bureau.xdo("keyup", "shift")
    v.bureau.sleep_muis([v.punt("Pic", 75, 75), v.punt("Pic", 150, 80), v.punt("Pic", 225, 75)])
    v.toetsen_aan_venster("Escape")
    verplaatst = {(c + 3, r) for c, r in CELLEN[:4]} | {CELLEN[4]}

    v.wacht_op("Pic", lambda b: all(binnen(b, c) == (symbool if c in verplaatst else binnen(leeg, c))
                                    for c in itertools.product(range(8), range(6))),
               "the blocks three cells further right")


def breadboard(v):
    """A wire selected and moved 40 pixels down leaves bare board behind; Ctrl+C, Ctrl+V
    elsewhere duplicate it."""
    kaal = teken_draad(v)  # from x 236 to 356 on row 166
    y0, met_draad = 166 - v.bedekt, v.beeld_van("Pic2")  # the wire's row in the screen's picture of the sheet
    v.kies_uit_keuzelijst("Combo3", 0)  # Componenten
    v.bureau.sleep_muis([v.punt("Pic2", 226, 156), v.punt("Pic2", 300, 170), v.punt("Pic2", 366, 176)])
    v.bureau.sleep_muis([v.punt("Pic2", 300, 166), v.punt("Pic2", 300, 186), v.punt("Pic2", 300, 206)])
    v.muis_weg()

    def verwacht(x, y):  # the wire's pixels from 40 rows higher, else the bare board
        boven = y - 40
        draad = 156 - v.bedekt <= boven <= 176 - v.bedekt and met_draad.pixel(x, boven) != kaal.pixel(x, boven)
        return met_draad.pixel(x, boven) if draad else kaal.pixel(x, y)

    rand_x, rand_y = (226, 366), (196 - v.bedekt, 216 - v.bedekt)  # the selection's outline
    gebied = [(x, y) for x in range(216, 380) for y in range(y0 - 20, y0 + 60)
              if not (x in rand_x and rand_y[0] <= y <= rand_y[1] or y in rand_y and 226 <= x <= 366)]
    v.wacht_op("Pic2", lambda b: all(b.pixel(x, y) == verwacht(x, y) for x, y in gebied),
               "the wire whole 40 pixels lower and bare board where it was")

    v.toetsen_aan_venster("ctrl+c")  # the moved wire, pasted with its corner at the pointer
    v.bureau.xdo("mousemove", "--sync", *v.punt("Pic2", 500, 300))
    v.toetsen_aan_venster("ctrl+v")
    v.muis_weg()
    links, boven = 500 - 226, 300 - 196  # from the selection's corner to the pointer
    tweede = [(x, y) for x, y in gebied if verwacht(x, y) != kaal.pixel(x, y)]
    v.wacht_op("Pic2", lambda b: all(b.pixel(x + links, y + boven) == verwacht(x, y) == b.pixel(x, y)
                                     for x, y in tweede), "a second wire at the pointer, the first in its place")


def scenario_bewerken(v):
    ontwerpblad(v)
    breadboard(v)
    v.afsluiten()


if __name__ == "__main__":
    e2e_voltarix.SCENARIOS["bewerken"] = scenario_bewerken
    sys.argv.insert(1, "bewerken")
    sys.exit(e2e_voltarix.main())

#!/usr/bin/env python3
"""e2e_zoeken.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE
"weer" searched shows Weerstanden's symbols and count; Down, Enter takes the first, placed on the
sheet and listed in "Laatst gebruikt" after a restart; key 1 and a drag draw a wire, not after Escape."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_voltarix  # noqa: E402
from e2e_voltarix import controleer, gesorteerd, plaats_symbool, start  # noqa: E402
from xsessie import lees_plaatje, wacht_tot  # noqa: E402

ROOD, TEKST_DONKER = (255, 0, 0), 100  # a pixel of list text: every channel below TEKST_DONKER


def tel_regel(v):  # the count line between the category box and the search field
    lijst = v.tabel["List1"]
    return v.bureau.schermbeeld().stuk(*v.punt("Combo1", 0, 25), lijst[2], lijst[1] - 49 - v.tabel["Combo1"][1])


def tekstregels(v):  # the lines of text in the symbol list: bands of rows with dark pixels
    _, _, breedte, hoogte = v.tabel["List1"]
    beeld = v.beeld_van("List1")
    bezet = [any(max(beeld.pixel(x, y)) < TEKST_DONKER for x in range(4, breedte - 20))
             for y in range(3, hoogte - 3)]
    return sum(1 for i, b in enumerate(bezet) if b and (i == 0 or not bezet[i - 1]))


def zoek_en_plaats(v):
    weerstanden = gesorteerd(v.pad("Symbolen", "Weerstanden"))
    v.typ_in("Combo1", "weerstanden")
    wacht_tot(lambda: tekstregels(v) == len(weerstanden), "the list of Weerstanden")
    telling = tel_regel(v)
    v.typ_in("Combo1", "overige")  # another category, another count
    wacht_tot(lambda: tel_regel(v) != telling, "the count of another category")
    v.toetsen_aan_venster("ctrl+f")
    v.bureau.typ("weer")
    wacht_tot(lambda: tel_regel(v) == telling, "the count of the matches")
    eerste = lees_plaatje(weerstanden[0])
    v.bureau.toetsen("Down", "Return")
    v.wacht_op_beeld("IconPic", eerste, "the first match as current symbol")
    plaats_symbool(v, eerste)
    return eerste


def draad_met_toets(v):
    v.muis_weg()
    v.na_verandering("Pic2", lambda: v.knop(7), "the breadboard view")
    v.bureau.klik(*v.punt("Pic2", 600, 300))  # takes the keys from the search field; draws nothing
    v.toetsen_aan_venster("1")
    v.bureau.sleep_muis([v.punt("Pic2", x, 166) for x in (236, 296, 356)])
    v.muis_weg()
    v.wacht_op(None, lambda s: all(s.pixel(*v.punt("Pic2", x, 166)) == ROOD for x in range(236, 356)), "a red wire")
    voor = v.beeld_van("Pic2")
    v.toetsen_aan_venster("Escape")
    # back in "Componenten" a drag only selects; Escape drops the selection's outline
    v.bureau.sleep_muis([v.punt("Pic2", 236, 246), v.punt("Pic2", 356, 246)])
    v.muis_weg()
    v.toetsen_aan_venster("Escape")
    time.sleep(1)
    controleer(v.beeld_van("Pic2") == voor, "a drag after Escape still drew")


def scenario_zoeken(v):
    v.na_verandering("Pic", lambda: v.knop(5), "the design sheet")
    symbool = zoek_en_plaats(v)
    draad_met_toets(v)
    v.afsluiten()
    v = start(v.args, v.werk, v.bureau, v.gestart)  # the next run, on the same folder
    v.typ_in("Combo1", "Laatst gebruikt")
    wacht_tot(lambda: tekstregels(v) == 1, "one symbol used last")
    v.klik_op("List1", hoogte=16)
    v.wacht_op_beeld("IconPic", symbool, "the symbol used last as current symbol")
    v.afsluiten()


if __name__ == "__main__":
    e2e_voltarix.SCENARIOS["zoeken"] = scenario_zoeken
    sys.argv.insert(1, "zoeken")
    sys.exit(e2e_voltarix.main())

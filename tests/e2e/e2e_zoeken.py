#!/usr/bin/env python3
"""e2e_zoeken.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE

Finding a symbol and the tools at a key, on a private X server, read from outside.
The title animation skipped by a second click; "weer" typed into the search field
shows the eight symbols of Weerstanden and their count; Down, Enter makes the first the
current symbol and a click on the design sheet places it; after a restart "Laatst
gebruikt" lists it; on the breadboard the key 1 and a drag draw a wire, Escape ends it.
"""

import argparse
import os
import shutil
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_voltarix import KNOPPEN_GRIJS, Voltarix, controleer, gesorteerd, plaats_symbool  # noqa: E402
from xsessie import SCHERM, Bureau, Mislukt, Xvfb, lees_plaatje, wacht_tot  # noqa: E402

ROOD = (255, 0, 0)
TEKST_DONKER = 100  # a pixel of list text: every channel below this


def door_titel_overgeslagen(v):
    """A second click while the animation plays opens the main window at once, where
    the whole animation takes about five seconds."""
    titel = v.bureau.wacht_op_venster("Voltarix")
    x, y, breedte, hoogte = v.bureau.geometrie(titel)
    v.bureau.klik(x + breedte // 2, y + hoogte // 3)
    time.sleep(0.3)
    begin = time.monotonic()
    # A little beside the first: xdotool waits for a move to the point it is at.
    v.bureau.klik(x + breedte // 2 + 5, y + hoogte // 3)
    v.venster = v.bureau.wacht_op_venster("Voltarix", breedte=SCHERM[0] - 8)
    duur = time.monotonic() - begin
    controleer(duur < 3.5, "the main window came %.1f s after the second click" % duur)
    v.bureau.wacht_tot_weg(titel, "Voltarix")
    x, y, _, _ = v.bureau.geometrie(v.venster)
    achter_x, achter_y = v.tabel["BackKnoppen"][:2]
    rij = wacht_tot(lambda: next((r for r in range(y, y + 80) if v.bureau.schermbeeld().pixel(
        x + achter_x + 2, r) == KNOPPEN_GRIJS), None), "the tool button panel")
    v.binnen = (x, rij - achter_y)


def tel_regel(v):
    """The count line between the category box and the search field, as the screen shows it."""
    combo, lijst = v.tabel["Combo1"], v.tabel["List1"]
    boven = combo[1] + 25
    return v.bureau.schermbeeld().stuk(*v.punt("Combo1", 0, 25), lijst[2], lijst[1] - 24 - boven)


def tekstregels(v):
    """How many lines of text the symbol list shows: bands of rows with dark pixels."""
    _, _, breedte, hoogte = v.tabel["List1"]
    beeld = v.beeld_van("List1")
    bezet = [any(max(beeld.pixel(x, y)) < TEKST_DONKER for x in range(4, breedte - 20))
             for y in range(3, hoogte - 3)]
    return sum(1 for i, b in enumerate(bezet) if b and (i == 0 or not bezet[i - 1]))


def typ_in_combo1(v, tekst):
    v.klik_op("Combo1", hoogte=20)
    v.bureau.toetsen("ctrl+a")
    v.bureau.typ(tekst)


def zoek_en_plaats(v):
    weerstanden = gesorteerd(v.pad("Symbolen", "Weerstanden"))
    typ_in_combo1(v, "weerstanden")
    wacht_tot(lambda: tekstregels(v) == len(weerstanden), "the list of Weerstanden")
    telling = tel_regel(v)
    typ_in_combo1(v, "overige")  # another category, another count
    wacht_tot(lambda: tel_regel(v) != telling, "the count of another category")
    v.toetsen_aan_venster("ctrl+f")
    v.bureau.typ("weer")
    # The same count as the category's, its eight symbols, each with its category.
    wacht_tot(lambda: tel_regel(v) == telling, "the count of the matches")
    controleer(tekstregels(v) == len(weerstanden), "the list shows %d lines" % tekstregels(v))
    eerste = lees_plaatje(weerstanden[0])
    v.bureau.toetsen("Down", "Return")
    v.wacht_op_beeld("IconPic", eerste, "the first match as current symbol")
    plaats_symbool(v, eerste)
    return eerste


def draad_met_toets(v):
    """Key 1 chooses the wire, a drag draws it in red; after Escape a drag draws nothing."""
    v.muis_weg()
    leeg = v.na_verandering("Pic2", lambda: v.knop(7), "the breadboard view")
    # A click on the sheet takes the keys from the search field; the tool is still
    # the neutral one, so it draws nothing.
    v.bureau.klik(*v.punt("Pic2", 600, 300))
    v.toetsen_aan_venster("1")
    v.bureau.sleep_muis([v.punt("Pic2", 236, 166), v.punt("Pic2", 296, 166), v.punt("Pic2", 356, 166)])
    v.muis_weg()
    draad = [v.punt("Pic2", x, 166) for x in range(236, 356)]
    wacht_tot(lambda: (lambda s: all(s.pixel(*p) == ROOD for p in draad))(v.bureau.schermbeeld()),
              "a red wire")
    voor = v.beeld_van("Pic2")
    v.toetsen_aan_venster("Escape")
    v.bureau.sleep_muis([v.punt("Pic2", 236, 246), v.punt("Pic2", 356, 246)])
    v.muis_weg()
    time.sleep(1)
    controleer(v.beeld_van("Pic2") == voor, "a drag after Escape still drew")
    controleer(voor.pixel(300, 246 - v.bedekt) == leeg.pixel(300, 246 - v.bedekt),
               "the board changed where no wire was drawn")


def main():
    parser = argparse.ArgumentParser()
    for naam in ("--voltarix", "--starter-tool", "--starter", "--plaatsen"):
        parser.add_argument(naam, required=True)
    args = parser.parse_args()
    for programma in ("Xvfb", "xdotool", "import", "convert"):
        if not shutil.which(programma):
            print("e2e: %s is not installed (scripts/setup.sh installs it)" % programma)
            return 1

    werk = tempfile.mkdtemp(prefix="voltarix-e2e-zoeken-")
    begin, xvfb, voltarix, gelukt = time.monotonic(), None, None, False
    try:
        with open(os.path.join(werk, "xvfb.log"), "wb") as xlog:
            xvfb = Xvfb(int(os.environ.get("VOLTARIX_E2E_DISPLAY", "70")), xlog)
            eerste_werk = os.path.join(werk, "eerste")
            os.makedirs(eerste_werk)
            voltarix = Voltarix(args, eerste_werk, Bureau(xvfb.display))
            door_titel_overgeslagen(voltarix)
            v = voltarix
            v.na_verandering("Pic", lambda: v.knop(5), "the design sheet")
            symbool = zoek_en_plaats(v)
            draad_met_toets(v)
            v.afsluiten()
            v.stop()

            # The next run, on the same application folder.
            tweede_werk = os.path.join(werk, "tweede")
            os.makedirs(tweede_werk)
            os.symlink(v.map, os.path.join(tweede_werk, "Voltarix"))
            voltarix = v = Voltarix(args, tweede_werk, Bureau(xvfb.display))
            v.door_titel()
            v.knop(5)
            typ_in_combo1(v, "Laatst gebruikt")
            wacht_tot(lambda: tekstregels(v) == 1, "one symbol used last")
            v.bureau.klik(*v.punt("List1", v.tabel["List1"][2] // 2, 8))
            v.wacht_op_beeld("IconPic", symbool, "the symbol used last as current symbol")
            v.afsluiten()
            gelukt = True
    except Exception:  # noqa: BLE001 - every failure is reported the same way
        traceback.print_exc()
        if xvfb:
            Bureau(xvfb.display).bewaar_schermbeeld(os.path.join(werk, "mislukt.png"))
    finally:
        if voltarix:
            voltarix.stop()
        if xvfb:
            xvfb.stop()
    print("e2e zoeken: %s in %.1f s" % ("passed" if gelukt else "FAILED", time.monotonic() - begin))
    if gelukt:
        shutil.rmtree(werk, ignore_errors=True)
    else:
        print("e2e: screenshot and logs kept in " + werk)
    return 0 if gelukt else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""e2e_document.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE
`voltarix --app-folder A PAD`: a project elsewhere, then its exported zip, opens as its files hold
it (Projecten gets a copy)."""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_voltarix import argumenten, exporteer, klembord, lees, start  # noqa: E402
from xsessie import controleer, draai, lees_plaatje, wacht_tot  # noqa: E402


def bestanden(map_):
    return {os.path.relpath(os.path.join(d, b), map_): lees(os.path.join(d, b))
            for d, _, namen in os.walk(map_) for b in namen}


def toont_project(v, stam):
    # the design sheet, the breadboard and the list (Ctrl+A, Ctrl+C) as the files hold them
    blad, bord = lees_plaatje(stam + ".ovb"), v.zoals_getoond(lees_plaatje(stam + ".brb"))
    for knop, naam, beeld in ((5, "Pic", blad), (7, "Pic2", bord)):
        v.knop(knop)
        wacht_tot(lambda: v.beeld_van(naam).stuk(0, 0, beeld.breedte, beeld.hoogte) == beeld, naam + " of " + stam)
    v.na_verandering("Text1", lambda: v.knop(6), "the list of " + stam)  # shown after the button's animation
    v.klik_op("Text1")
    lijst = lees(stam + ".dat").decode("cp1252").replace("\r\n", "\n").encode()
    wacht_tot(lambda: v.bureau.toetsen("ctrl+a", "ctrl+c") or klembord(v) == lijst, "the list of " + stam,
              tijd=30)


def scenario(args, werk, bureau, gestart):
    a, elders = os.path.join(werk, "A"), os.path.join(werk, "elders")
    subprocess.run([args.starter_tool, "lay-out", args.starter, a], check=True, capture_output=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    os.makedirs(elders)
    projecten = os.path.join(a, "Projecten")
    for bestand in os.listdir(projecten):
        shutil.move(os.path.join(projecten, bestand), os.path.join(elders, "Proef" + os.path.splitext(bestand)[1]))
    proef, buiten = os.path.join(elders, "Proef"), bestanden(elders)

    v = start(args, werk, bureau, gestart, "A", proef + ".ovb")
    toont_project(v, proef)
    gedeeld_zip = exporteer(v, "Gedeeld.zip")
    v.afsluiten()

    v = start(args, werk, bureau, gestart, "A", gedeeld_zip)
    gedeeld = os.path.join(projecten, "Gedeeld")
    toont_project(v, gedeeld)
    for extensie in (".ovb", ".brb"):
        oud = lees_plaatje(proef + extensie)
        controleer(lees_plaatje(gedeeld + extensie).stuk(0, 0, oud.breedte, oud.hoogte) == oud, "Gedeeld" + extensie)
    controleer(lees(gedeeld + ".dat") == lees(proef + ".dat") and bestanden(elders) == buiten, "Gedeeld.dat")
    v.afsluiten()


def main():
    args = argumenten()
    return draai("document", lambda werk, bureau, gestart: scenario(args, werk, bureau, gestart))


if __name__ == "__main__":
    sys.exit(main())

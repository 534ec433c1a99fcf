#!/usr/bin/env python3
"""e2e_document.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE

A project as a desktop document: `voltarix --app-folder A PAD` as the file manager
starts it. A project elsewhere opens after the title screen, its sheets and list as its
files hold them, and the projects folder then holds a copy; a zip of it made by
"Exporteren..." opens the same way; a zip with a "../x" entry and a zip bomb of 1 GB
are refused with a message, and nothing is written.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_voltarix import Voltarix, controleer, lees  # noqa: E402
from xsessie import Bureau, Xvfb, lees_plaatje, stop_proces, wacht_tot  # noqa: E402


class Start(Voltarix):
    """The program on the application folder `map`, started with the file `pad`."""

    def __init__(self, args, werk, bureau, pad):
        self.bureau, self.werk, self.map = bureau, werk, os.path.join(werk, "A")
        omgeving = dict(bureau.omgeving, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=os.path.join(werk, "runtime"),
                        HOME=werk, LANG="C.UTF-8", LC_ALL="C.UTF-8")
        omgeving.pop("VOLTARIX_HOME", None)
        self.log = open(os.path.join(werk, "voltarix.log"), "ab")
        self.proces = subprocess.Popen([args.voltarix, "--app-folder", self.map, pad], env=omgeving,
                                       stdout=self.log, stderr=subprocess.STDOUT)
        uit = subprocess.run([args.plaatsen, "1024", "768"], check=True, capture_output=True, text=True).stdout
        self.tabel = {}
        for regel in uit.splitlines():
            naam, index, *maten = regel.split()
            self.tabel[naam + index if naam in ("Knop", "Knop2") else naam] = tuple(map(int, maten))
        balk, bord = self.tabel["WerkBalk"], self.tabel["Pic2"]
        self.bedekt = balk[1] + balk[3] - bord[1]
        self.door_titel()


def bestanden(map_):
    """Every file under a folder with its content."""
    return {os.path.relpath(os.path.join(d, b), map_): lees(os.path.join(d, b))
            for d, _, namen in os.walk(map_) for b in namen}


def toont_project(v, ovb, brb, dat):
    """The design sheet, the breadboard and the list show what the three files hold."""
    blad, bord = lees_plaatje(ovb), lees_plaatje(brb)
    v.knop(5)
    wacht_tot(lambda: v.beeld_van("Pic").stuk(0, 0, blad.breedte, blad.hoogte) == blad, "the design sheet of " + ovb)
    v.knop(7)
    wacht_tot(lambda: v.beeld_van("Pic2").stuk(0, 0, bord.breedte, bord.hoogte - v.bedekt) == v.zoals_getoond(bord),
              "the breadboard of " + brb)
    v.knop(6)
    v.klik_op("Text1")
    lijst = lees(dat).decode("cp1252").replace("\r\n", "\n").encode()

    def gekopieerd():
        v.bureau.toetsen("ctrl+a", "ctrl+c")
        return subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=v.bureau.omgeving,
                              capture_output=True, timeout=30).stdout == lijst
    wacht_tot(gekopieerd, "the list of " + dat, tijd=30)


def maak_vijandig(werk, project):
    """A zip with a "../x" entry beside the project, and one whose list unpacks to 1 GB."""
    pijl = os.path.join(werk, "Pijl.zip")
    with zipfile.ZipFile(pijl, "w") as zip_:
        zip_.writestr("../x", b"buiten de map")
        for extensie in (".ovb", ".brb", ".dat"):
            zip_.writestr("Pijl" + extensie, lees(project + extensie))
    bom = os.path.join(werk, "Bom.zip")
    with zipfile.ZipFile(bom, "w", zipfile.ZIP_DEFLATED) as zip_:
        zip_.writestr("Bom.ovb", lees(project + ".ovb"))
        zip_.writestr("Bom.brb", lees(project + ".brb"))
        with zip_.open("Bom.dat", "w", force_zip64=True) as dat:
            nullen = bytes(1 << 20)
            for _ in range(1024):
                dat.write(nullen)
    return pijl, bom


def scenario(args, werk, bureau):
    a = os.path.join(werk, "A")
    subprocess.run([args.starter_tool, "lay-out", args.starter, a], check=True, capture_output=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    os.makedirs(os.path.join(werk, "runtime"), mode=0o700)
    # The example project, moved out of the application folder as Proef.
    elders = os.path.join(werk, "elders")
    os.makedirs(elders)
    projecten = os.path.join(a, "Projecten")
    for bestand in os.listdir(projecten):
        stam, extensie = os.path.splitext(bestand)
        shutil.move(os.path.join(projecten, bestand), os.path.join(elders, "Proef" + extensie))
    proef = os.path.join(elders, "Proef")
    buiten = bestanden(elders)

    v = Start(args, werk, bureau, proef + ".ovb")
    toont_project(v, proef + ".ovb", proef + ".brb", proef + ".dat")
    controleer(bestanden(projecten) == {"Proef" + e: buiten["Proef" + e] for e in (".ovb", ".brb", ".dat")},
               "Projecten holds %s instead of a copy of Proef" % sorted(bestanden(projecten)))
    controleer(bestanden(elders) == buiten, "the project elsewhere was changed")
    v.toetsen_aan_venster("ctrl+e")
    v.dialoog(" Exporteren", "Return", typ="Gedeeld.zip")
    gedeeld = os.path.join(werk, "Gedeeld.zip")
    wacht_tot(lambda: os.path.isfile(gedeeld), "Gedeeld.zip")
    v.afsluiten()
    v.stop()

    v = Start(args, werk, bureau, gedeeld)
    kopie = os.path.join(projecten, "Gedeeld")
    toont_project(v, kopie + ".ovb", kopie + ".brb", kopie + ".dat")
    # The zip holds the sheets as a save writes them: as large as they are on this screen.
    for extensie in (".ovb", ".brb"):
        oud = lees_plaatje(proef + extensie)
        controleer(lees_plaatje(kopie + extensie).stuk(0, 0, oud.breedte, oud.hoogte) == oud,
                   "Gedeeld%s differs from Proef%s" % (extensie, extensie))
    controleer(lees(kopie + ".dat") == lees(proef + ".dat"), "Gedeeld.dat differs")
    v.afsluiten()
    v.stop()

    vijandig = maak_vijandig(werk, proef)
    voor = bestanden(werk)
    for zip_ in vijandig:
        v = Start(args, werk, bureau, zip_)
        v.dialoog(" Importeren", "Return")
        v.afsluiten()
        v.stop()
        na = bestanden(werk)
        nieuw = sorted(b for b in na if b not in voor and not b.startswith(("runtime", "voltarix.log", ".")))
        controleer(not nieuw and all(na[b] == voor[b] for b in voor if b.startswith("A/Projecten")),
                   "refusing %s wrote %s" % (zip_, nieuw))


def main():
    parser = argparse.ArgumentParser()
    for naam in ("--voltarix", "--starter-tool", "--starter", "--plaatsen"):
        parser.add_argument(naam, required=True)
    args = parser.parse_args()
    werk = tempfile.mkdtemp(prefix="voltarix-e2e-document-")
    begin, xvfb, gelukt = time.monotonic(), None, False
    try:
        with open(os.path.join(werk, "xvfb.log"), "wb") as xlog:
            xvfb = Xvfb(int(os.environ.get("VOLTARIX_E2E_DISPLAY", "70")), xlog)
            scenario(args, werk, Bureau(xvfb.display))
            gelukt = True
    except Exception:  # noqa: BLE001 - every failure is reported the same way
        traceback.print_exc()
        if xvfb:
            Bureau(xvfb.display).bewaar_schermbeeld(os.path.join(werk, "mislukt.png"))
    finally:
        if xvfb:
            xvfb.stop()
    print("e2e document: %s in %.1f s" % ("passed" if gelukt else "FAILED", time.monotonic() - begin))
    if gelukt:
        shutil.rmtree(werk, ignore_errors=True)
    else:
        print("e2e: screenshot and logs kept in " + werk)
    return 0 if gelukt else 1


if __name__ == "__main__":
    sys.exit(main())

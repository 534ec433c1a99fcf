#!/usr/bin/env python3
"""e2e_document.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE

`voltarix --app-folder A PAD`, as the file manager starts it: a project elsewhere, then
a zip of it made by "Exporteren...", opens after the title screen as its files hold it,
and Projecten holds a copy; a zip with a "../x" entry and a 1 GB zip bomb are refused
with a message, and nothing is written.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import traceback
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_voltarix import Voltarix, controleer, lees  # noqa: E402
from xsessie import Bureau, Xvfb, lees_plaatje, wacht_tot  # noqa: E402


GESTART = []  # every program started, ended at the end whatever happened


def start(args, werk, bureau, pad):
    """The program laid out in werk/A, started with `pad`, past its title screen."""
    v = Voltarix.__new__(Voltarix)
    GESTART.append(v)
    v.bureau, v.werk, v.map = bureau, werk, os.path.join(werk, "A")
    omgeving = dict(bureau.omgeving, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=os.path.join(werk, "runtime"),
                    HOME=werk, LC_ALL="C.UTF-8")
    v.log = open(os.path.join(werk, "voltarix.log"), "ab")
    v.proces = subprocess.Popen([args.voltarix, "--app-folder", v.map, pad], env=omgeving, stdout=v.log,
                                stderr=subprocess.STDOUT)
    uit = subprocess.run([args.plaatsen, "1024", "768"], check=True, capture_output=True, text=True).stdout
    v.tabel = {r.split()[0] + (r.split()[1] if r.startswith("Knop") else ""): tuple(map(int, r.split()[2:]))
               for r in uit.splitlines()}
    v.bedekt = v.tabel["WerkBalk"][1] + v.tabel["WerkBalk"][3] - v.tabel["Pic2"][1]
    v.door_titel()
    return v


def bestanden(map_):
    return {os.path.relpath(os.path.join(d, b), map_): lees(os.path.join(d, b))
            for d, _, namen in os.walk(map_) for b in namen}


def toont_project(v, stam):
    """The design sheet, the breadboard and the list (copied with Ctrl+A, Ctrl+C) as the files hold them."""
    blad, bord = lees_plaatje(stam + ".ovb"), v.zoals_getoond(lees_plaatje(stam + ".brb"))
    for knop, naam, beeld in ((5, "Pic", blad), (7, "Pic2", bord)):
        v.knop(knop)
        wacht_tot(lambda: v.beeld_van(naam).stuk(0, 0, beeld.breedte, beeld.hoogte) == beeld, naam + " of " + stam)
    v.knop(6)
    v.klik_op("Text1")
    lijst = lees(stam + ".dat").decode("cp1252").replace("\r\n", "\n").encode()
    wacht_tot(lambda: v.bureau.toetsen("ctrl+a", "ctrl+c") or subprocess.run(
        ["xclip", "-selection", "clipboard", "-o"], env=v.bureau.omgeving, capture_output=True,
        timeout=30).stdout == lijst, "the list of " + stam, tijd=30)


def vijandig(werk, proef):
    """A zip with "../x" beside a whole project, and one whose list unpacks to 1 GB."""
    with zipfile.ZipFile(os.path.join(werk, "Pijl.zip"), "w") as pijl, \
            zipfile.ZipFile(os.path.join(werk, "Bom.zip"), "w", zipfile.ZIP_DEFLATED) as bom:
        pijl.writestr("../x", b"buiten de map")
        for extensie in (".ovb", ".brb", ".dat"):
            pijl.writestr("Pijl" + extensie, lees(proef + extensie))
        for extensie in (".ovb", ".brb"):
            bom.writestr("Bom" + extensie, lees(proef + extensie))
        with bom.open("Bom.dat", "w", force_zip64=True) as dat:
            for _ in range(1024):
                dat.write(bytes(1 << 20))
    return [os.path.join(werk, naam) for naam in ("Pijl.zip", "Bom.zip")]


def scenario(args, werk, bureau):
    a, elders = os.path.join(werk, "A"), os.path.join(werk, "elders")
    subprocess.run([args.starter_tool, "lay-out", args.starter, a], check=True, capture_output=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    os.makedirs(os.path.join(werk, "runtime"), mode=0o700)
    # The example project, moved out of the application folder as Proef.
    os.makedirs(elders)
    projecten = os.path.join(a, "Projecten")
    for bestand in os.listdir(projecten):
        shutil.move(os.path.join(projecten, bestand), os.path.join(elders, "Proef" + os.path.splitext(bestand)[1]))
    proef, buiten = os.path.join(elders, "Proef"), bestanden(elders)

    v = start(args, werk, bureau, proef + ".ovb")
    toont_project(v, proef)
    controleer(bestanden(projecten) == buiten, "Projecten holds %s, no copy of Proef" % sorted(bestanden(projecten)))
    v.toetsen_aan_venster("ctrl+e")
    v.dialoog(" Exporteren", "Return", typ="Gedeeld.zip")
    wacht_tot(lambda: os.path.isfile(os.path.join(werk, "Gedeeld.zip")), "Gedeeld.zip")
    v.afsluiten()

    v = start(args, werk, bureau, os.path.join(werk, "Gedeeld.zip"))
    gedeeld = os.path.join(projecten, "Gedeeld")
    toont_project(v, gedeeld)
    # The zip holds the sheets as a save writes them, as large as they are on this screen.
    for extensie in (".ovb", ".brb"):
        oud = lees_plaatje(proef + extensie)
        controleer(lees_plaatje(gedeeld + extensie).stuk(0, 0, oud.breedte, oud.hoogte) == oud, "Gedeeld" + extensie)
    controleer(lees(gedeeld + ".dat") == lees(proef + ".dat") and bestanden(elders) == buiten, "Gedeeld.dat")
    v.afsluiten()

    zips = vijandig(werk, proef)
    voor = bestanden(werk)
    for zip_ in zips:
        v = start(args, werk, bureau, zip_)
        v.dialoog(" Importeren", "Return")
        v.afsluiten()
        na = bestanden(werk)
        nieuw = [b for b in na if b not in voor and not b.startswith(("voltarix.log", "runtime"))]
        controleer(not nieuw and all(na[b] == voor[b] for b in voor if b.startswith("A/Projecten")),
                   "refusing %s wrote %s" % (zip_, nieuw))


def main():
    parser = argparse.ArgumentParser()
    for naam in ("--voltarix", "--starter-tool", "--starter", "--plaatsen"):
        parser.add_argument(naam, required=True)
    args, werk, xvfb = parser.parse_args(), tempfile.mkdtemp(prefix="voltarix-e2e-document-"), None
    try:
        with open(os.path.join(werk, "xvfb.log"), "wb") as xlog:
            xvfb = Xvfb(int(os.environ.get("VOLTARIX_E2E_DISPLAY", "70")), xlog)
            scenario(args, werk, Bureau(xvfb.display))
        shutil.rmtree(werk, ignore_errors=True)
        print("e2e document: passed")
        return 0
    except Exception:  # noqa: BLE001 - every failure is reported the same way
        traceback.print_exc()
        if xvfb:
            Bureau(xvfb.display).bewaar_schermbeeld(os.path.join(werk, "mislukt.png"))
        print("e2e document: FAILED; screenshot and logs kept in " + werk)
        return 1
    finally:
        for v in GESTART:
            v.stop()
        if xvfb:
            xvfb.stop()


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""e2e_voltarix.py SCENARIO --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE
`ontwerp`: a design made, copied, exported, saved, started anew and opened again;
`vensters`: every tool window opened and closed."""

import argparse
import itertools
import os
import pathlib
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsessie import SCHERM, controleer, draai, lees_plaatje, stop_proces, wacht_tot  # noqa: E402

KNOPPEN_GRIJS, BLAUW = (216, 213, 206), (0, 0, 255)
INI_GROOT = b'"Voltarix - schakelingen tekenen - 2026"\r\n"--------------------------"\r\n#TRUE#\r\n'
LIJST = "Componentenlijst\r\n" + "-" * 28 + "\r\nR1 = 330 Ohm\r\nLED1 = rood\r\n"
PROJECT = "Proef e2e"


def lees(pad):
    return pathlib.Path(pad).read_bytes()


def gesorteerd(map_):  # the files of a folder in the order the program lists them
    return [os.path.join(map_, b) for b in sorted(os.listdir(map_), key=str.lower)]


class Voltarix:
    """The program past its title screen and where its controls stand; werk/MAP laid out if missing."""

    def __init__(self, args, werk, bureau, gestart, map_="Voltarix", *extra):
        self.args, self.bureau, self.werk, self.gestart = args, bureau, werk, gestart
        self.map = os.path.join(werk, map_)
        if not os.path.isdir(self.map):
            subprocess.run([args.starter_tool, "lay-out", args.starter, self.map], check=True,
                           capture_output=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        os.makedirs(runtime := os.path.join(werk, "runtime"), mode=0o700, exist_ok=True)
        omgeving = dict(bureau.omgeving, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                        HOME=werk, LANG="C.UTF-8", LC_ALL="C.UTF-8")
        omgeving.pop("VOLTARIX_HOME", None)
        self.log = open(os.path.join(werk, "voltarix.log"), "ab")
        self.proces = subprocess.Popen([args.voltarix, "--app-folder", self.map, *extra], env=omgeving,
                                       stdout=self.log, stderr=subprocess.STDOUT)
        gestart.append(self.stop)
        uit = subprocess.run([args.plaatsen, *map(str, SCHERM)], check=True, capture_output=True, text=True).stdout
        self.tabel = {naam + (index if naam.startswith("Knop") else ""): tuple(map(int, maten))
                      for naam, index, *maten in map(str.split, uit.splitlines())}
        balk, bord = self.tabel["WerkBalk"], self.tabel["Pic2"]
        self.bedekt = balk[1] + balk[3] - bord[1]  # the breadboard's top rows under its tool bar
        # Through the title screen; the inside is found by the tool button panel (the menu bar's height varies).
        titel = self.bureau.wacht_op_venster("Voltarix")
        x, y, breedte, hoogte = self.bureau.geometrie(titel)
        self.bureau.klik(x + breedte // 2, y + hoogte // 3)
        self.venster = self.bureau.wacht_op_venster("Voltarix", breedte=SCHERM[0] - 8)
        self.bureau.wacht_tot_weg(titel, "Voltarix")
        x, y, _, _ = self.bureau.geometrie(self.venster)
        achter_x, achter_y = self.tabel["BackKnoppen"][:2]
        self.binnen = (x, wacht_tot(lambda: next((r for r in range(y, y + 80) if self.bureau.schermbeeld().pixel(
            x + achter_x + 2, r) == KNOPPEN_GRIJS), None), "the tool button panel") - achter_y)

    def pad(self, *delen):
        return os.path.join(self.map, *delen)

    def punt(self, naam, x, y):  # the screen point of (x, y) inside a control
        links, boven = self.tabel[naam][:2]
        return self.binnen[0] + links + x, self.binnen[1] + boven + y

    def klik_op(self, naam, hoogte=None):
        _, _, breedte, eigen = self.tabel[naam]
        self.bureau.klik(*self.punt(naam, breedte // 2, (hoogte or eigen) // 2))

    def knop(self, index):
        self.klik_op("Knop%d" % index)

    def muis_weg(self):  # off the sheets, so that no preview floats over them
        self.bureau.xdo("mousemove", "--sync", SCHERM[0] - 5, SCHERM[1] - 5)

    def beeld_van(self, naam):  # what the screen shows of a control; of Pic2 below its tool bar
        _, _, breedte, hoogte = self.tabel[naam]
        boven = self.bedekt if naam == "Pic2" else 0
        return self.bureau.schermbeeld().stuk(*self.punt(naam, 0, boven), breedte, hoogte - boven)

    def zoals_getoond(self, blad):  # a whole breadboard less the rows its tool bar covers
        return blad.stuk(0, self.bedekt, blad.breedte, blad.hoogte - self.bedekt)

    def wacht_op_beeld(self, naam, verwacht, wat):
        wacht_tot(lambda: self.beeld_van(naam) == verwacht, wat, tijd=30)

    def wacht_op(self, naam, klopt, wat):  # polls the control (None: the screen) until `klopt` holds
        beeld = (lambda: self.beeld_van(naam)) if naam else self.bureau.schermbeeld
        return wacht_tot(lambda: (lambda b: klopt(b) and b)(beeld()), wat)

    def na_verandering(self, naam, actie, wat):  # runs `actie`; what the control shows once changed and settled
        voor = self.beeld_van(naam)
        actie()
        paren = itertools.pairwise(itertools.chain([voor], iter(lambda: self.beeld_van(naam), None)))
        return wacht_tot(lambda: (lambda eerder, nu: nu != voor and nu == eerder and nu)(*next(paren)), wat)

    def typ_in(self, naam, tekst):  # over what a choice box holds
        self.klik_op(naam, hoogte=20)
        self.bureau.toetsen("ctrl+a")
        self.bureau.typ(tekst)

    def kies_uit_keuzelijst(self, naam, index):
        self.klik_op(naam, hoogte=20)
        self.bureau.toetsen("Home", *(["Down"] * index), "Return")

    def toetsen_aan_venster(self, *toetsen):
        self.bureau.focus(self.venster)
        self.bureau.toetsen(*toetsen)

    def dialoog(self, titel, *toetsen, typ=None, door=None):  # door() opens it; keys (Return: Yes), text
        door and door()  # then waits until it has gone
        venster = self.bureau.wacht_op_venster(titel)
        self.bureau.focus(venster)
        if typ is not None:
            self.bureau.toetsen("ctrl+a")
            self.bureau.typ(typ)
        self.bureau.toetsen(*toetsen)
        self.bureau.wacht_tot_weg(venster, titel)

    def opslaan(self, naam):  # "Project Opslaan" under `naam`: the three files' paths
        self.dialoog(" Project opslaan", "Return", typ=naam, door=lambda: self.knop(2))
        bestanden = [self.pad("Projecten", naam + extensie) for extensie in (".ovb", ".brb", ".dat")]
        return wacht_tot(lambda: all(map(os.path.isfile, bestanden)) and bestanden, "the three project files")

    def open_project(self, naam):
        self.knop(1)
        dialoog = self.bureau.wacht_op_venster(" Open project")
        namen = [os.path.basename(b)[:-4] for b in gesorteerd(self.pad("Projecten")) if b.endswith(".ovb")]
        x, y, _, _ = self.bureau.geometrie(dialoog)
        self.bureau.klik(x + 8 + 20, y + 8 + 6)  # the list's first row, then down to the project
        self.bureau.toetsen("Home", *(["Down"] * namen.index(naam)))
        self.bureau.klik(x + 246 + 30, y + 186 + 10)  # the Open button at (3690, 2790)
        self.bureau.wacht_tot_weg(dialoog, " Open project")

    def afsluiten(self):  # Ctrl+Q answered No keeps the program; answered Yes it ends well
        for toets in ("Escape", "Return"):
            controleer(self.proces.poll() is None and self.venster in self.bureau.vensters("Voltarix"),
                       "the program ended although the user answered No")
            self.dialoog(" Exit programma", toets, door=lambda: self.toetsen_aan_venster("ctrl+q"))
        wacht_tot(lambda: self.proces.poll() is not None, "the program to end")
        controleer(self.proces.returncode == 0, "the program ended with code %d" % self.proces.returncode)

    def stop(self):
        stop_proces(self.proces)
        self.log.close()


def kies_symbool(v):
    v.typ_in("Combo1", "weerstanden")
    symbolen = [lees_plaatje(pad) for pad in gesorteerd(v.pad("Symbolen", "Weerstanden"))[:3]]
    v.bureau.klik(*v.punt("List1", v.tabel["List1"][2] // 2, 8))
    v.wacht_op_beeld("IconPic", symbolen[0], "the first symbol as current symbol")
    v.bureau.toetsen("Down", "Down")
    v.wacht_op_beeld("IconPic", symbolen[2], "the third symbol as current symbol")
    return symbolen[2]


def plaats_symbool(v, symbool):  # a click anywhere in a block of the design sheet fills it
    v.bureau.klik(*v.punt("Pic", 175, 120))
    return v.wacht_op("Pic", lambda blad: blad.stuk(151, 101, 49, 49) == symbool, "the symbol in block (3, 2)")


def klembord(v, soort="UTF8_STRING"):  # what another program gets from the X clipboard
    return subprocess.run(["xclip", "-selection", "clipboard", "-t", soort, "-o"],
                          env=v.bureau.omgeving, capture_output=True, timeout=30).stdout


def exporteer(v, bestand, soort=None):  # "Exporteren..." into the home folder; `soort`: entry of the type list
    keuze = () if soort is None else ("Tab", *["Down"] * soort)
    v.dialoog(" Exporteren", *keuze, "Return", typ=bestand, door=lambda: v.toetsen_aan_venster("ctrl+e"))
    pad = os.path.join(v.werk, bestand)
    return wacht_tot(lambda: os.path.isfile(pad) and pad, bestand)


def menu_item(v, menu, item):  # `item` counts the items that can be chosen: the keys skip grey ones
    return lambda: v.toetsen_aan_venster("alt", *(["Right"] * menu), "Down", *(["Down"] * item), "Return")


def teken_draad(v):
    """A blue wire dragged zigzag on the bare board, from x 236 to 356 on row 166. Returns the bare board."""
    v.muis_weg()
    leeg_bord = v.na_verandering("Pic2", lambda: v.knop(7), "the breadboard view")
    v.kies_uit_keuzelijst("Combo2", 2)  # Blauw
    v.kies_uit_keuzelijst("Combo3", 1)  # Draadverbinding
    v.bureau.sleep_muis([v.punt("Pic2", 236 + 20 * i, 166 + (i % 2) * 7) for i in range(6)] +
                        [v.punt("Pic2", 356, 166)])
    v.muis_weg()
    draad = [v.punt("Pic2", x, y) for x in range(236, 356) for y in (165, 166, 167)]
    v.wacht_op(None, lambda s: all(s.pixel(*p) == BLAUW for p in draad), "a blue wire")
    return leeg_bord


def scenario_ontwerp(v):
    leeg_blad = v.na_verandering("Pic", lambda: v.knop(5), "the design sheet")
    ontwerp = plaats_symbool(v, kies_symbool(v))
    v.toetsen_aan_venster("ctrl+c")  # no text box has the focus: the sheet
    png = os.path.join(v.werk, "klembord.png")  # write_bytes gives 0 while the clipboard is empty
    wacht_tot(lambda: pathlib.Path(png).write_bytes(klembord(v, "image/png")) and lees_plaatje(png) == ontwerp,
              "the design sheet on the clipboard", tijd=30)

    leeg_bord = teken_draad(v)
    v.kies_uit_keuzelijst("Combo3", 5)  # a part picture stamped with a click
    bord = v.na_verandering("Pic2", lambda: v.bureau.klik(*v.punt("Pic2", 560, 420)) or v.muis_weg(),
                            "the part picture stamped")
    controleer(v.zoals_getoond(lees_plaatje(exporteer(v, "bord.png"))) == bord,
               "the exported PNG differs from the breadboard on the screen")

    v.na_verandering("Text1", lambda: v.knop(6), "the component list")
    v.klik_op("Text1")
    regels = LIJST.split("\r\n")[2:4]
    v.na_verandering("Text1", lambda: v.bureau.toetsen("ctrl+End") or [
        v.bureau.typ(regel) or v.bureau.toetsen("Return") for regel in regels], "the typed lines")
    menu_item(v, 1, 1)()  # "Kopiëren" after Undo (Redo is grey): with the list shown, its text
    wacht_tot(lambda: klembord(v) == LIJST.replace("\r\n", "\n").encode(), "the list on the clipboard")
    pdf = exporteer(v, "ontwerp.pdf")  # the two sheets on page 1, the list on page 2; the page count: the print test
    beelden = subprocess.check_output(["pdfimages", "-list", pdf], text=True).splitlines()[2:]
    controleer([r.split()[0] for r in beelden] == ["1", "1"], "page 1 does not hold the two sheets: %r" % beelden)
    pagina_2 = subprocess.check_output(["pdftotext", "-f", "2", "-l", "2", pdf, "-"], text=True)
    for regel in ["Componentenlijst *.*"] + regels:
        controleer(regel in pagina_2, "page 2 lacks %r: %r" % (regel, pagina_2))

    ovb, brb, dat = v.opslaan(PROJECT)
    controleer(lees_plaatje(ovb) == ontwerp, "the .ovb differs from the design sheet on the screen")
    controleer(v.zoals_getoond(lees_plaatje(brb)) == bord, "the .brb differs from the breadboard on the screen")
    for stap, actie, beelden in (("New", lambda: v.knop(0) or v.dialoog(" Nieuw", "Return"), (leeg_blad, leeg_bord)),
                                 ("Open", lambda: v.open_project(PROJECT), (ontwerp, bord))):
        actie()
        for knop, naam, beeld in zip((5, 7), ("Pic", "Pic2"), beelden):  # the breadboard shown last
            v.knop(knop)
            v.wacht_op_beeld(naam, beeld, "%s after %s" % (naam, stap))

    v.na_verandering("Pic2", lambda: v.klik_op("BBgrootKnop") or v.dialoog(" Size", "Return"), "the big board")
    v.muis_weg()
    v.afsluiten()
    controleer(lees(v.pad("Voltarix.ini")) == INI_GROOT, "Voltarix.ini holds %r" % lees(v.pad("Voltarix.ini")))


def scenario_vensters(v):  # by a tool button (its number) or a menu item (menu, item)
    for titel, *waar in ((" Kleurcode E-12", 20), (" Tekst", 21), (" 49 x 49 Symbool Designer", 22),
                         (" Configuratie", 1, 1), (" Bits & Bytes", 3, 0), (" Led calculator", 3, 1),
                         (" 7-Segment Display", 3, 2)):
        v.dialoog(titel, "Escape", door=(lambda: v.knop(*waar)) if len(waar) == 1 else menu_item(v, *waar))
    v.afsluiten()


start = Voltarix  # the program past its title screen


SCENARIOS = {"ontwerp": scenario_ontwerp, "vensters": scenario_vensters}


def argumenten(*scenarios):
    parser = argparse.ArgumentParser()
    if scenarios:
        parser.add_argument("scenario", choices=sorted(scenarios))
    for naam in ("--voltarix", "--starter-tool", "--starter", "--plaatsen"):
        parser.add_argument(naam, required=True)
    return parser.parse_args()


def main():
    args = argumenten(*SCENARIOS)
    if missend := [p for p in ("Xvfb", "xdotool", "import", "convert", "xclip", "pdftotext") if not shutil.which(p)]:
        print("e2e: %s not installed (scripts/setup.sh installs them)" % missend)
        return 1

    return draai(args.scenario, lambda *sessie: SCENARIOS[args.scenario](start(args, *sessie)))


if __name__ == "__main__":
    sys.exit(main())

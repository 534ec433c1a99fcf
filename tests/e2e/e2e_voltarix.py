#!/usr/bin/env python3
"""End-to-end tests of Voltarix: the real program on a real X server, used as a user
uses it, its results read from outside.

    e2e_voltarix.py SCENARIO --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE

SCENARIO is `ontwerp` (a design made, copied to the clipboard, exported, saved, started
anew, opened again) or
`vensters` (every tool window opened and closed). Both start at the title screen and
end through the exit question. On a failure the last screenshot and the program's
output are kept in the work folder, whose path is printed.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsessie import (SCHERM, Beeld, Bureau, Mislukt, Xvfb, lees_bmp, lees_plaatje,  # noqa: E402
                     stop_proces, wacht_tot)

KNOPPEN_GRIJS = (216, 213, 206)
BLAUW = (0, 0, 255)
INI_GROOT = (b'"Voltarix - schakelingen tekenen - 2026"\r\n'
             b'"--------------------------"\r\n#TRUE#\r\n')
BEGIN_LIJST = "Componentenlijst\r\n" + "-" * 28 + "\r\n"
PROJECT = "Proef e2e"


def plaatsen_lezen(programma):
    """Name -> (left, top, width, height) in pixels inside the main window."""
    uit = subprocess.run([programma, str(SCHERM[0]), str(SCHERM[1])], check=True,
                         capture_output=True, text=True).stdout
    plaatsen = {}
    for regel in uit.splitlines():
        naam, index, *maten = regel.split()
        plaatsen[naam if naam not in ("Knop", "Knop2") else naam + index] = tuple(map(int, maten))
    return plaatsen


class Voltarix:
    """The program on the display, with the places of its controls on the screen."""

    def __init__(self, args, werk, bureau):
        self.bureau, self.werk = bureau, werk
        self.map = os.path.join(werk, "Voltarix")
        subprocess.run([args.starter_tool, "lay-out", args.starter, self.map], check=True,
                       capture_output=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        runtime = os.path.join(werk, "runtime")
        os.makedirs(runtime, mode=0o700)
        omgeving = dict(bureau.omgeving, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                        HOME=werk, LANG="C.UTF-8", LC_ALL="C.UTF-8")
        omgeving.pop("VOLTARIX_HOME", None)
        self.log = open(os.path.join(werk, "voltarix.log"), "wb")
        self.proces = subprocess.Popen([args.voltarix, "--app-folder", self.map], env=omgeving,
                                       stdout=self.log, stderr=subprocess.STDOUT)
        self.tabel = plaatsen_lezen(args.plaatsen)

    def pad(self, *delen):
        return os.path.join(self.map, *delen)

    # --- start-up ---------------------------------------------------------------

    def door_titel(self):
        titel = self.bureau.wacht_op_venster("Voltarix")
        x, y, breedte, hoogte = self.bureau.geometrie(titel)
        if (x, y) != ((SCHERM[0] - breedte) // 2, (SCHERM[1] - hoogte) // 2):
            raise Mislukt("the title screen is not centred: %r" % ((x, y, breedte, hoogte),))
        self.bureau.klik(x + breedte // 2, y + hoogte // 3)
        self.venster = self.bureau.wacht_op_venster("Voltarix", breedte=SCHERM[0] - 8)
        self.bureau.wacht_tot_weg(titel, "Voltarix")
        self._ijk_binnenkant()

    def _ijk_binnenkant(self):
        """Finds the window's inside: the menu bar's height is the desktop's font's."""
        x, y, _, _ = self.bureau.geometrie(self.venster)
        achter_x, achter_y = self.tabel["BackKnoppen"][:2]
        kolom = x + achter_x + 2

        def bovenrand():
            beeld = self.bureau.schermbeeld()
            for rij in range(y, y + 80):
                if beeld.pixel(kolom, rij) == KNOPPEN_GRIJS:
                    return rij
            return None
        rij = wacht_tot(bovenrand, "the tool button panel")
        self.binnen = (x, rij - achter_y)
        menu = self.binnen[1] - y
        if not 10 <= menu <= 60:
            raise Mislukt("menu bar of %d pixels?" % menu)

    # --- places on the screen ----------------------------------------------------

    def rechthoek(self, naam):
        links, boven, breedte, hoogte = self.tabel[naam]
        if naam == "Pic2":  # the breadboard's tools lie over the top of its sheet
            boven, hoogte = boven + self.bord_bedekt(), hoogte - self.bord_bedekt()
        return self.binnen[0] + links, self.binnen[1] + boven, breedte, hoogte

    def bord_bedekt(self):
        """The rows at the top of the breadboard sheet that its tool bar covers."""
        balk, bord = self.tabel["WerkBalk"], self.tabel["Pic2"]
        return balk[1] + balk[3] - bord[1]

    def midden(self, naam, hoogte=None):
        links, boven, breedte, eigen = self.rechthoek(naam)
        return links + breedte // 2, boven + (eigen if hoogte is None else hoogte) // 2

    def klik_op(self, naam, hoogte=None):
        self.bureau.klik(*self.midden(naam, hoogte))

    def muis_weg(self):
        """The pointer off the sheets, so that no preview floats over them."""
        self.bureau.xdo("mousemove", "--sync", SCHERM[0] - 5, SCHERM[1] - 5)

    def blad_punt(self, naam, x, y):
        links, boven, _, _ = self.tabel[naam]
        return self.binnen[0] + links + x, self.binnen[1] + boven + y

    def beeld_van(self, naam, beeld=None):
        beeld = beeld or self.bureau.schermbeeld()
        return beeld.stuk(*self.rechthoek(naam))

    def wacht_op_beeld(self, naam, verwacht, wat):
        laatste = []

        def gelijk():
            laatste[:] = [self.beeld_van(naam)]
            return laatste[0] == verwacht
        try:
            wacht_tot(gelijk, wat, tijd=30)
        except Mislukt:
            raise Mislukt("%s: %d pixels differ" % (wat, laatste[0].verschillen(verwacht)))

    def na_verandering(self, naam, actie, wat):
        """Runs `actie` and waits until the place `naam` shows something else, and
        then until it has settled; returns what it shows."""
        voor = self.beeld_van(naam)
        actie()
        nu = wacht_tot(lambda: (lambda beeld: beeld if beeld != voor else None)(self.beeld_van(naam)),
                       wat)
        vorige = [nu]

        def rustig():
            beeld = self.beeld_van(naam)
            gelijk, vorige[0] = beeld == vorige[0], beeld
            return beeld if gelijk else None
        return wacht_tot(rustig, wat + " to settle")

    # --- controls ---------------------------------------------------------------------

    def knop(self, index):
        self.klik_op("Knop%d" % index)

    def knop_2(self, index):
        """The buttons of the tool windows under the current symbol."""
        self.klik_op("Knop2%d" % index)

    def kies_uit_keuzelijst(self, naam, index):
        """Opens a choice box's list and picks entry `index` with the keys."""
        self.klik_op(naam, hoogte=20)
        self.bureau.toetsen("Home", *(["Down"] * index), "Return")

    def vraag(self, titel, ja):
        """Answers the Yes/No question of that title: Return for the default Yes,
        Escape for No."""
        venster = self.bureau.wacht_op_venster(titel)
        self.bureau.focus(venster)
        self.bureau.toetsen("Return" if ja else "Escape")
        self.bureau.wacht_tot_weg(venster, titel)

    def project_bestanden(self, naam):
        return [self.pad("Projecten", naam + extensie) for extensie in (".ovb", ".brb", ".dat")]

    def opslaan(self, naam):
        self.knop(2)
        invoer = self.bureau.wacht_op_venster(" Project opslaan")
        self.bureau.focus(invoer)
        self.bureau.toetsen("ctrl+a")
        self.bureau.typ(naam)
        self.bureau.toetsen("Return")
        self.bureau.wacht_tot_weg(invoer, " Project opslaan")
        bestanden = self.project_bestanden(naam)
        wacht_tot(lambda: all(map(os.path.isfile, bestanden)), "the three project files")
        resten = [b for b in os.listdir(self.pad("Projecten")) if b.endswith((".nieuw", ".opslaan"))]
        if resten:
            raise Mislukt("a save left %r behind" % resten)
        return bestanden

    def open_project(self, naam):
        self.knop(1)
        dialoog = self.bureau.wacht_op_venster(" Open project")
        namen = sorted((b[:-4] for b in os.listdir(self.pad("Projecten")) if b.endswith(".ovb")),
                       key=str.lower)
        x, y, _, _ = self.bureau.geometrie(dialoog)
        # The list at twips (120, 120): its first row, then down to the project.
        self.bureau.klik(x + 8 + 20, y + 8 + 6)
        self.bureau.toetsen("Home", *(["Down"] * namen.index(naam)))
        self.bureau.klik(x + 246 + 30, y + 186 + 10)  # the Open button at (3690, 2790)
        self.bureau.wacht_tot_weg(dialoog, " Open project")

    def afsluiten(self):
        self.bureau.focus(self.venster)
        self.bureau.toetsen("ctrl+q")
        self.vraag(" Exit programma", ja=False)
        if self.proces.poll() is not None or self.venster not in self.bureau.vensters("Voltarix"):
            raise Mislukt("the program ended although the user answered No")
        self.bureau.focus(self.venster)
        self.bureau.toetsen("ctrl+q")
        self.vraag(" Exit programma", ja=True)
        code = wacht_tot(lambda: self.proces.poll() is not None and [self.proces.returncode],
                         "the program to end")[0]
        if code != 0:
            raise Mislukt("the program ended with code %d" % code)

    def stop(self):
        stop_proces(self.proces)
        self.log.close()


def controleer(waar, tekst):
    if not waar:
        raise Mislukt(tekst)


def symbolen_van(voltarix, categorie):
    """The symbol files of a category in the order the library lists them."""
    map_ = voltarix.pad("Symbolen", categorie)
    return [os.path.join(map_, b) for b in sorted(os.listdir(map_), key=str.lower)]


def kies_symbool(v):
    """A category typed into the category box, the third symbol taken from the list."""
    b = v.bureau
    b.klik(*v.midden("Combo1", hoogte=20))
    b.toetsen("ctrl+a")
    b.typ("weerstanden")
    symbolen = symbolen_van(v, "Weerstanden")
    controleer(len(symbolen) >= 3, "the starter library has fewer than three resistors")
    links, boven, breedte, _ = v.rechthoek("List1")
    b.klik(links + breedte // 2, boven + 8)
    v.wacht_op_beeld("IconPic", lees_bmp(symbolen[0]), "the first symbol as current symbol")
    b.toetsen("Down", "Down")
    symbool = lees_bmp(symbolen[2])
    v.wacht_op_beeld("IconPic", symbool, "the third symbol as current symbol")
    return symbool


def plaats_symbool(v, symbool, leeg_blad):
    """A click anywhere in a block of the design sheet fills that block."""
    v.bureau.klik(*v.blad_punt("Pic", 175, 120))

    def geplaatst():
        nu = v.beeld_van("Pic")
        return nu if nu.stuk(151, 101, 49, 49) == symbool else None
    ontwerp = wacht_tot(geplaatst, "the symbol in block (3, 2)")
    controleer(ontwerp.verschillen(leeg_blad) > 0, "placing changed nothing")
    return ontwerp


def teken_draad(v):
    """A blue wire dragged between two contact points of the breadboard; returns the
    bare board and the board with the wire, as the screen shows them."""
    v.muis_weg()
    leeg_bord = v.na_verandering("Pic2", lambda: v.knop(7), "the breadboard view")
    v.kies_uit_keuzelijst("Combo2", 2)  # Blauw
    v.kies_uit_keuzelijst("Combo3", 1)  # Draadverbinding
    begin, eind, bedekt = (236, 166), (356, 166), v.bord_bedekt()
    v.bureau.sleep_muis([v.blad_punt("Pic2", *begin)] +
                        [v.blad_punt("Pic2", begin[0] + 20 * i, 166 + (i % 2) * 7)
                         for i in range(1, 6)] +
                        [v.blad_punt("Pic2", *eind)])
    v.muis_weg()

    def draad():
        nu = v.beeld_van("Pic2")
        return nu if all(nu.pixel(x, y - bedekt) == BLAUW for x in range(begin[0], eind[0])
                         for y in (165, 166, 167)) else None
    met_draad = wacht_tot(draad, "a blue wire")
    controleer(met_draad.pixel(296, 173 - bedekt) == leeg_bord.pixel(296, 173 - bedekt),
               "the rubber band left pixels behind")
    return leeg_bord, met_draad


def stempel_onderdeel(v, bord):
    """The first part picture stamped: released at (x, y), its non-white pixels land
    left above the pointer. Returns the board as it must look."""
    onderdelen = sorted(os.listdir(v.pad("Breadboard")), key=str.lower)
    onderdeel = lees_plaatje(v.pad("Breadboard", onderdelen[0]))
    v.kies_uit_keuzelijst("Combo3", 5)
    los = (560, 420)
    v.bureau.klik(*v.blad_punt("Pic2", *los))
    v.muis_weg()
    hoek = (los[0] - onderdeel.breedte - 5, los[1] - onderdeel.hoogte - 5 - v.bord_bedekt())
    verwacht = [bytearray(rij) for rij in bord.rijen]
    for y in range(onderdeel.hoogte):
        for x in range(onderdeel.breedte):
            kleur = onderdeel.pixel(x, y)
            if kleur != (255, 255, 255):
                verwacht[hoek[1] + y][3 * (hoek[0] + x):3 * (hoek[0] + x) + 3] = bytes(kleur)
    gestempeld = Beeld(bord.breedte, bord.hoogte, [bytes(r) for r in verwacht])
    v.wacht_op_beeld("Pic2", gestempeld, "the part picture stamped")
    return gestempeld


def typ_lijst(v):
    """Two lines typed at the end of the component list; returns the list's text."""
    # A button runs its command after its press animation: the list is there when it shows.
    v.na_verandering("Text1", lambda: v.knop(6), "the component list")
    links, boven, breedte, hoogte = v.rechthoek("Text1")
    v.bureau.klik(links + breedte // 2, boven + hoogte // 2)

    def typ():
        v.bureau.toetsen("ctrl+End")
        for regel in ("R1 = 330 Ohm", "LED1 = rood"):
            v.bureau.typ(regel)
            v.bureau.toetsen("Return")
    v.na_verandering("Text1", typ, "the typed lines")
    return BEGIN_LIJST + "R1 = 330 Ohm\r\nLED1 = rood\r\n"


def klembord(v, soort="UTF8_STRING"):
    """What another program gets from the X clipboard."""
    return subprocess.run(["xclip", "-selection", "clipboard", "-t", soort, "-o"],
                          env=v.bureau.omgeving, capture_output=True, timeout=30).stdout


def kopieer(v, blad):
    """Ctrl+C where no text box has the focus puts the sheet on the clipboard; in a
    text box it copies the box's text."""
    v.bureau.focus(v.venster)
    v.bureau.toetsen("ctrl+c")
    pad = os.path.join(v.werk, "klembord.png")

    def beeld():
        with open(pad, "wb") as uit:
            uit.write(klembord(v, "image/png"))
        return os.path.getsize(pad) and lees_plaatje(pad)
    wacht_tot(lambda: beeld() == blad, "the design sheet on the clipboard", tijd=30)
    v.bureau.klik(*v.midden("Combo1", hoogte=20))
    v.bureau.toetsen("ctrl+a", "ctrl+c")
    wacht_tot(lambda: klembord(v) == b"weerstanden", "the category's text on the clipboard")


def exporteer(v, bestand):
    """"Exporteren..." (Ctrl+E) into the home folder, where the dialog starts."""
    v.bureau.focus(v.venster)
    v.bureau.toetsen("ctrl+e")
    dialoog = v.bureau.wacht_op_venster(" Exporteren")
    v.bureau.focus(dialoog)
    v.bureau.toetsen("ctrl+a")
    v.bureau.typ(bestand)
    v.bureau.toetsen("Return")
    v.bureau.wacht_tot_weg(dialoog, " Exporteren")
    pad = os.path.join(v.werk, bestand)
    wacht_tot(lambda: os.path.isfile(pad), bestand)
    return pad


def controleer_pdf(pad, lijst):
    """The pages of the design print: the two sheets on page 1, the list on page 2."""
    info = subprocess.run(["pdfinfo", pad], capture_output=True, text=True, check=True).stdout
    controleer("Pages:           2" in info, "the PDF is not two pages: %s" % info)
    beelden = subprocess.run(["pdfimages", "-list", pad], capture_output=True, text=True,
                             check=True).stdout.splitlines()[2:]
    controleer([regel.split()[0] for regel in beelden] == ["1", "1"],
               "page 1 does not hold the two sheets: %r" % beelden)
    pagina_2 = subprocess.run(["pdftotext", "-f", "2", "-l", "2", pad, "-"],
                              capture_output=True, text=True, check=True).stdout
    for regel in ["Componentenlijst *.*"] + lijst.split("\r\n")[2:-1]:
        controleer(regel in pagina_2, "page 2 lacks %r: %r" % (regel, pagina_2))


def lees(pad):
    with open(pad, "rb") as bestand:
        return bestand.read()


def controleer_project(v, bestanden, ontwerp, bord, lijst):
    """The three files hold what the screen showed (the board below its tool bar)."""
    ovb, brb, dat = bestanden
    controleer(lees_bmp(ovb) == ontwerp, "the .ovb differs from the design sheet on the screen")
    bedekt, opgeslagen = v.bord_bedekt(), lees_bmp(brb)
    controleer(opgeslagen.stuk(0, bedekt, opgeslagen.breedte, opgeslagen.hoogte - bedekt) == bord,
               "the .brb differs from the breadboard on the screen")
    controleer(lees(dat) == lijst.encode("cp1252"), "the .dat holds %r" % lees(dat))


def scenario_ontwerp(v):
    # The design sheet as it starts: the raster only.
    leeg_blad = v.na_verandering("Pic", lambda: v.knop(5), "the design sheet")
    ontwerp = plaats_symbool(v, kies_symbool(v), leeg_blad)
    kopieer(v, ontwerp)
    leeg_bord, met_draad = teken_draad(v)
    bord = stempel_onderdeel(v, met_draad)
    # The breadboard as PNG: the whole sheet, also the rows under its tool bar.
    png, bedekt = lees_plaatje(exporteer(v, "bord.png")), v.bord_bedekt()
    controleer(png.stuk(0, bedekt, png.breedte, png.hoogte - bedekt) == bord,
               "the exported PNG differs from the breadboard on the screen")
    lijst = typ_lijst(v)
    menu_item(v, 1, 1)()  # "Kopiëren": with the list shown, its text
    wacht_tot(lambda: klembord(v) == lijst.replace("\r\n", "\n").encode(), "the list on the clipboard")
    controleer_pdf(exporteer(v, "ontwerp.pdf"), lijst)
    bestanden = v.opslaan(PROJECT)
    controleer_project(v, bestanden, ontwerp, bord, lijst)

    # A new design: both sheets as they started.
    v.knop(0)
    v.vraag(" Nieuw", ja=True)
    v.knop(5)
    v.wacht_op_beeld("Pic", leeg_blad, "an empty design sheet after New")
    v.knop(7)
    v.wacht_op_beeld("Pic2", leeg_bord, "a bare breadboard after New")

    # Opened again: the sheets come back, and a second save writes the same files.
    v.open_project(PROJECT)
    v.wacht_op_beeld("Pic2", bord, "the breadboard of the opened project")
    v.knop(5)
    v.wacht_op_beeld("Pic", ontwerp, "the design sheet of the opened project")
    for eerste, tweede in zip(bestanden, v.opslaan("Kopie")):
        controleer(lees(eerste) == lees(tweede), "%s and %s differ" % (eerste, tweede))

    # The big board, which the settings file keeps at the exit.
    v.knop(7)
    v.wacht_op_beeld("Pic2", bord, "the opened breadboard shown again")

    def groot_bord():
        v.klik_op("BBgrootKnop")
        v.vraag(" Size", ja=True)
    v.na_verandering("Pic2", groot_bord, "the big board")
    v.muis_weg()
    v.afsluiten()
    ini = lees(v.pad("Voltarix.ini"))
    controleer(ini == INI_GROOT, "Voltarix.ini holds %r" % ini)


def open_en_sluit(v, titel, open_):
    open_()
    venster = v.bureau.wacht_op_venster(titel)
    v.bureau.focus(venster)
    v.bureau.toetsen("Escape")
    v.bureau.wacht_tot_weg(venster, titel)


def menu_item(v, menu, item):
    """A menu item chosen with the keys: Alt, then along the bar and down the menu."""
    def kies():
        v.bureau.focus(v.venster)
        v.bureau.toetsen("alt")
        v.bureau.toetsen(*(["Right"] * menu), "Down", *(["Down"] * item), "Return")
    return kies


def scenario_vensters(v):
    open_en_sluit(v, " Kleurcode E-12", lambda: v.knop_2(0))
    open_en_sluit(v, " Tekst", lambda: v.knop_2(1))
    open_en_sluit(v, " 49 x 49 Symbool Designer", lambda: v.knop_2(2))
    open_en_sluit(v, " Configuratie", menu_item(v, 1, 2))
    open_en_sluit(v, " Bits & Bytes", menu_item(v, 2, 0))
    open_en_sluit(v, " Led calculator", menu_item(v, 2, 1))
    open_en_sluit(v, " 7-Segment Display", menu_item(v, 2, 2))
    v.afsluiten()
    controleer(lees(v.pad("Voltarix.ini")).endswith(b"#FALSE#\r\n"),
               "Voltarix.ini lost the small board")


SCENARIOS = {"ontwerp": scenario_ontwerp, "vensters": scenario_vensters}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    for naam in ("--voltarix", "--starter-tool", "--starter", "--plaatsen"):
        parser.add_argument(naam, required=True)
    parser.add_argument("--display-basis", type=int,
                        default=int(os.environ.get("VOLTARIX_E2E_DISPLAY", "70")))
    args = parser.parse_args()
    for programma in ("Xvfb", "xdotool", "import", "convert", "xclip", "pdfinfo"):
        if not shutil.which(programma):
            print("e2e: %s is not installed (scripts/setup.sh installs it)" % programma)
            return 1

    werk = tempfile.mkdtemp(prefix="voltarix-e2e-%s-" % args.scenario)
    xlog = open(os.path.join(werk, "xvfb.log"), "wb")
    begin = time.monotonic()
    xvfb = voltarix = None
    gelukt = False
    try:
        xvfb = Xvfb(args.display_basis, xlog)
        bureau = Bureau(xvfb.display)
        voltarix = Voltarix(args, werk, bureau)
        voltarix.door_titel()
        SCENARIOS[args.scenario](voltarix)
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
        xlog.close()
    print("e2e %s: %s in %.1f s" % (args.scenario, "passed" if gelukt else "FAILED",
                                   time.monotonic() - begin))
    if gelukt:
        shutil.rmtree(werk, ignore_errors=True)
    else:
        print("e2e: screenshot and logs kept in " + werk)
        log = os.path.join(werk, "voltarix.log")
        if os.path.exists(log):
            with open(log, "rb") as bestand:
                sys.stdout.write(bestand.read().decode(errors="replace")[-4000:])
    return 0 if gelukt else 1


if __name__ == "__main__":
    sys.exit(main())

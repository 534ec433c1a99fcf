#!/usr/bin/env python3
"""e2e_papier.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE
The preview opens; a 120-line list whole in the PDF; proportions and true size on paper; a 3x PNG;
an example opened untitled."""

import os
import pathlib
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_voltarix import argumenten, exporteer, lees, menu_item, start  # noqa: E402
from xsessie import controleer, draai, lees_plaatje, wacht_tot  # noqa: E402

REGELS = ["Regel%03d" % k for k in range(1, 121)]


def uit(*opdracht):
    return subprocess.check_output(opdracht, text=True)


def ppi(pad):  # x and y pixels an inch of each picture on page 1
    return [tuple(map(float, r.split()[12:14])) for r in uit("pdfimages", "-l", "1", "-list", pad).splitlines()[2:]]


def scenario(args, werk, bureau, gestart):
    v = start(args, werk, bureau, gestart)
    voorbeeld = next(b[:-4] for b in os.listdir(v.pad("Projecten")) if b.endswith(".ovb"))
    for extensie in (".ovb", ".brb"):  # the example's sheets with a list of 120 lines
        shutil.copy(v.pad("Projecten", voorbeeld + extensie), v.pad("Projecten", "Lang" + extensie))
    pathlib.Path(v.pad("Projecten", "Lang.dat")).write_bytes("\r\n".join(["L", "-"] + REGELS + [""]).encode())
    v.open_project("Lang")
    menu_item(v, 0, 4)()  # "Bestand", "Afdrukvoorbeeld"
    v.dialoog(" Afdrukvoorbeeld", "Escape")
    lijst = exporteer(v, "lijst.pdf")
    paginas = range(2, int(re.search(r"Pages:\s+(\d+)", uit("pdfinfo", lijst)).group(1)) + 1)
    woorden = [uit("pdftotext", "-f", str(p), "-l", str(p), lijst, "-").split() for p in paginas]
    controleer(len(paginas) > 1 and all(w[:2] == ["Componentenlijst", "Lang"] for w in woorden)
               and sum((w[2:] for w in woorden), []) == REGELS, "the list: %r" % woorden)
    pathlib.Path(v.pad("Afdrukken.txt")).write_text("Verhouding behouden\n")  # as the preview writes it
    controleer(all(abs(y / x - 1) < 0.01 for x, y in ppi(exporteer(v, "verhouding.pdf"))), "the proportions")
    pathlib.Path(v.pad("Afdrukken.txt")).write_text("Ware grootte\nLiggend\n")
    v.knop(7)  # the breadboard as "PDF-document van het breadboard"; 2.54 mm +- 0.05 mm is 200 +- 4 ppi
    bord = ppi(exporteer(v, "bord.pdf", 5))
    controleer(len(bord) == 1 and all(abs(p - 200) <= 4 for p in bord[0]), "the breadboard at %r ppi" % bord)
    blad, groot = lees_plaatje(exporteer(v, "bord1.png")), lees_plaatje(exporteer(v, "bord3.png", 2))
    controleer((groot.breedte, groot.hoogte) == (3 * blad.breedte, 3 * blad.hoogte) and all(
        {groot.pixel(3 * x + i, 3 * y + j) for i in range(3) for j in range(3)} == {blad.pixel(x, y)}
        for y in range(0, blad.hoogte, 7) for x in range(0, blad.breedte, 5)), "the 3x PNG")
    # "Voorbeelden": the last example opens with its three parts, untitled, and is no recent project.
    namen = sorted(b[:-4] for b in os.listdir(v.pad("Voorbeelden")) if b.endswith(".ovb"))
    v.toetsen_aan_venster("alt", "Down", *["Down"] * 5, "Right", "Up", "Return")
    v.muis_weg()  # no strip marked under the pointer
    bron = [v.pad("Voorbeelden", namen[-1] + extensie) for extensie in (".ovb", ".brb", ".dat")]
    gelijk = lambda a, b: (lambda w, h: a.stuk(0, 0, w, h) == b.stuk(0, 0, w, h))(  # noqa: E731
        min(a.breedte, b.breedte), min(a.hoogte, b.hoogte))  # the sheets take the size of their views
    v.wacht_op("Pic2", lambda beeld: gelijk(beeld, v.zoals_getoond(lees_plaatje(bron[1]))), "the example's board")
    kopie = v.opslaan("Mijn voorbeeld")
    controleer(len(namen) >= 6 and all(gelijk(lees_plaatje(k), lees_plaatje(b)) for k, b in zip(kopie, bron[:2]))
               and lees(kopie[2]).rstrip() == lees(bron[2]).rstrip(), "the example %r" % namen[-1])
    controleer(all(n not in lees(v.pad("Recente projecten.txt")).decode() for n in namen), "an example is recent")
    v.afsluiten()


if __name__ == "__main__":
    sys.exit(draai("papier", lambda werk, bureau, gestart: (lambda args: scenario(args, werk, bureau, gestart))(argumenten())))

#!/usr/bin/env python3
"""e2e_papier.py --voltarix EXE --starter-tool EXE --starter DIR --plaatsen EXE
Paper: "Afdrukvoorbeeld" opens its window; a long list goes on over pages 3, 4, ... of the PDF;
"Verhouding behouden" keeps the design sheet's proportions on paper; "Ware grootte" prints one
hole pitch as 2.54 mm; a 3x PNG is the sheet with each pixel a 3 x 3 block."""

import os
import pathlib
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_voltarix import argumenten, exporteer, menu_item, start  # noqa: E402
from xsessie import controleer, draai, lees_plaatje, wacht_tot  # noqa: E402

REGELS = ["Regel%03d" % k for k in range(1, 121)]


def uit(*opdracht):
    return subprocess.run(opdracht, capture_output=True, text=True, check=True).stdout


def exporteer_als(v, bestand, soort):  # the file type list's entry `soort` (0 is the first)
    v.toetsen_aan_venster("ctrl+e")
    v.dialoog(" Exporteren", "Tab", *(["Down"] * soort), "Return", typ=bestand)
    pad = os.path.join(v.werk, bestand)
    wacht_tot(lambda: os.path.isfile(pad), bestand)
    return pad


def beelden(pad, pagina):  # width, height, x-ppi, y-ppi of each picture on the page
    rijen = [r.split() for r in uit("pdfimages", "-f", str(pagina), "-l", str(pagina), "-list", pad).splitlines()[2:]]
    return [(int(r[3]), int(r[4]), float(r[12]), float(r[13])) for r in rijen]


def scenario(args, werk, bureau, gestart):
    a, elders = os.path.join(werk, "A"), os.path.join(werk, "elders")
    subprocess.run([args.starter_tool, "lay-out", args.starter, a], check=True, capture_output=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    os.makedirs(elders)
    projecten = os.path.join(a, "Projecten")
    for bestand in os.listdir(projecten):
        shutil.move(os.path.join(projecten, bestand), os.path.join(elders, "Lang" + os.path.splitext(bestand)[1]))
    pathlib.Path(elders, "Lang.dat").write_bytes("\r\n".join(["Componentenlijst", "-" * 28] + REGELS + [""]).encode())
    v = start(args, werk, bureau, gestart, "A", os.path.join(elders, "Lang.ovb"))

    menu_item(v, 0, 4)()  # "Bestand", "Afdrukvoorbeeld"
    v.dialoog(" Afdrukvoorbeeld", "Escape")

    lijst = exporteer(v, "lijst.pdf")
    paginas = int(re.search(r"Pages:\s+(\d+)", uit("pdfinfo", lijst)).group(1))
    gelezen = []
    for pagina in range(2, paginas + 1):
        woorden = uit("pdftotext", "-f", str(pagina), "-l", str(pagina), lijst, "-").split()
        controleer(woorden[:2] == ["Componentenlijst", "Lang"], "page %d lacks the heading: %r" % (pagina, woorden[:4]))
        gelezen += woorden[2:]
    controleer(paginas >= 3 and gelezen == REGELS, "the list on pages 2 to %d: %r" % (paginas, gelezen))

    pathlib.Path(v.pad("Afdrukken.txt")).write_text("Verhouding behouden\n")  # as the preview writes it
    for breed, hoog, xppi, yppi in beelden(exporteer(v, "verhouding.pdf"), 1):
        controleer(abs(yppi / xppi - 1) < 0.01, "a %dx%d sheet at %s x %s ppi" % (breed, hoog, xppi, yppi))

    pathlib.Path(v.pad("Afdrukken.txt")).write_text("Ware grootte\nLiggend\n")
    v.knop(7)  # the breadboard
    bord = beelden(exporteer_als(v, "bord.pdf", 5), 1)  # "PDF-document van het breadboard"
    # 20 sheet pixels a hole pitch: 2.54 mm +- 0.05 mm is 200 +- 4 pixels an inch
    controleer(len(bord) == 1 and all(abs(ppi - 200) <= 4 for ppi in bord[0][2:]), "the breadboard at %r" % bord)

    blad = lees_plaatje(exporteer(v, "bord1.png"))
    groot = lees_plaatje(exporteer_als(v, "bord3.png", 2))  # "PNG-afbeelding van het blad, 3x"
    controleer((groot.breedte, groot.hoogte) == (3 * blad.breedte, 3 * blad.hoogte),
               "a 3x PNG of %dx%d" % (groot.breedte, groot.hoogte))
    for y in range(0, blad.hoogte, 7):
        for x in range(0, blad.breedte, 5):
            blok = {groot.pixel(3 * x + i, 3 * y + j) for i in range(3) for j in range(3)}
            controleer(blok == {blad.pixel(x, y)}, "the block of (%d, %d): %r" % (x, y, blok))
    v.afsluiten()


def main():
    args = argumenten()
    return draai("papier", lambda werk, bureau, gestart: scenario(args, werk, bureau, gestart))


if __name__ == "__main__":
    sys.exit(main())

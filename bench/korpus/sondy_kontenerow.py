#!/usr/bin/python3
"""Scores the container probes alone on a labelled corpus (see ocen.py), by their own program.

    sondy_kontenerow.py KORPUS --program build/bench/rozpoznik-sondy-kontenerow [--bledy]

For each label of the probes' families, the share of files whose probe answer fits the label's
row of formaty.tsv. A plain ZIP archive is right when no probe names it.
"""

import argparse
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from ocen import wczytaj_formaty, wczytaj_manifest  # noqa: E402

RODZINY = [
    "EXE", "DLL", "NETEXE", "SYS", "EFI", "NSIS",
    "DOC", "XLS", "PPT", "MSI",
    "DOCX", "XLSX", "PPTX", "ODT", "ODS", "ODP", "ODG", "EPUB", "JAR", "APK", "WHL", "ZIP",
]
BEZ_ODPOWIEDZI = {"ZIP"}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("korpus", type=Path)
    parser.add_argument("--program", required=True)
    parser.add_argument("--bledy", action="store_true", help="list the files answered wrong")
    args = parser.parse_args()

    formaty = wczytaj_formaty()
    pliki = [(e, s) for e, s in wczytaj_manifest(args.korpus) if e in RODZINY]
    if not pliki:
        sys.exit("no files of the probes' families in the corpus")
    wynik = subprocess.run([args.program] + [str(args.korpus / s) for _, s in pliki],
                           capture_output=True, text=True, check=True).stdout.splitlines()
    trafione, wszystkie, bledy = {}, {}, []
    for (etykieta, sciezka), wiersz in zip(pliki, wynik):
        typ = wiersz.split("\t")[3]
        if etykieta in BEZ_ODPOWIEDZI:
            dobrze = typ == "-"
        else:
            dobrze = typ != "-" and formaty[etykieta].rozpoznik.search(typ) is not None
        wszystkie[etykieta] = wszystkie.get(etykieta, 0) + 1
        trafione[etykieta] = trafione.get(etykieta, 0) + dobrze
        if not dobrze:
            bledy.append(f"{etykieta}\t{sciezka}\t{typ}")
    for etykieta in RODZINY:
        if etykieta in wszystkie:
            print(f"{etykieta:8} {trafione[etykieta]:3}/{wszystkie[etykieta]:<3}")
    razem = sum(trafione.values())
    print(f"{'razem':8} {razem:3}/{len(pliki):<3} {100 * razem / len(pliki):.0f}%")
    if args.bledy:
        print("\n".join(bledy))


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Scores rozpoznik-cli on a labelled corpus, beside `file` and npm's file-type.

    ocen.py KORPUS [--cli PATH] [--ranked]   the table: per format and in total (--ranked: the
                                             candidates in rozpoznik-cli's --ranked order)
    ocen.py KORPUS --bledy                   the files whose first answer under their own name is
                                             wrong, in the form of the expected failures' list
    ocen.py KORPUS --sprawdz WYJATKI         exit 1 unless exactly the listed files fail

KORPUS holds manifest.tsv ("label<TAB>path" per line, paths relative to KORPUS). What counts as
right for a label is its row of formaty.tsv, beside this script. Each file is identified under
its own name and again as the same bytes under a name without extension.
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

TU = Path(__file__).resolve().parent
PACZKA = 400  # paths per rozpoznik-cli call, well within the argument limit


class Format:
    def __init__(self, wiersz):
        pola = wiersz.rstrip("\n").split("\t")
        if len(pola) != 4:
            raise ValueError(f"formaty.tsv: expected 4 fields: {wiersz!r}")
        self.etykieta = pola[0]
        self.rozpoznik = re.compile(pola[1])
        self.file = re.compile(pola[2])
        self.file_type = set() if pola[3] == "-" else set(pola[3].split("|"))


def wczytaj_formaty():
    formaty = {}
    with open(TU / "formaty.tsv", encoding="utf-8") as f:
        for wiersz in f:
            if wiersz.startswith("#") or not wiersz.strip():
                continue
            fmt = Format(wiersz)
            formaty[fmt.etykieta] = fmt
    return formaty


def wczytaj_manifest(korpus):
    pliki = []
    with open(korpus / "manifest.tsv", encoding="utf-8") as f:
        for wiersz in f:
            if wiersz.strip():
                etykieta, sciezka = wiersz.rstrip("\n").split("\t")
                pliki.append((etykieta, sciezka))
    return pliki


def rozpoznaj(cli, sciezki, opcje=()):
    """The candidates' types of each path, in the order rozpoznik-cli gives them."""
    typy = {}
    for i in range(0, len(sciezki), PACZKA):
        paczka = sciezki[i : i + PACZKA]
        wynik = subprocess.run(
            [cli, "--json", *opcje, "--", *paczka], capture_output=True, text=True, check=False
        )
        if wynik.returncode == 2:
            sys.exit(f"rozpoznik-cli failed: {wynik.stderr.strip()}")
        for wiersz in wynik.stdout.splitlines():
            obiekt = json.loads(wiersz)
            typy[obiekt["path"]] = [k["type"] for k in obiekt["candidates"]]
    return [typy[s] for s in sciezki]


def opisy_file(sciezki):
    if not shutil.which("file"):
        return None
    with tempfile.NamedTemporaryFile("w", suffix=".lst") as lista:
        lista.write("\n".join(sciezki) + "\n")
        lista.flush()
        wynik = subprocess.run(
            ["file", "-b", "-f", lista.name], capture_output=True, text=True, check=True
        )
    return wynik.stdout.splitlines()


def opisy_file_type(korpus, sciezki):
    """file-type's extension for each path ("" when it names none); None without file-type."""
    folder = korpus / "file-type"
    if not (folder / "node_modules" / "file-type").is_dir() or not shutil.which("node"):
        return None
    skrypt = (
        "import {fileTypeFromFile} from 'file-type';"
        "import {readFileSync} from 'node:fs';"
        "for (const p of JSON.parse(readFileSync(0, 'utf8'))) {"
        "  let t; try { t = await fileTypeFromFile(p); } catch { t = undefined; }"
        "  console.log(t ? t.ext : ''); }"
    )
    wynik = subprocess.run(
        ["node", "--input-type=module", "-e", skrypt],
        input=json.dumps(sciezki),
        capture_output=True,
        text=True,
        cwd=folder,
        check=True,
    )
    return wynik.stdout.splitlines()


def procent(ile, z):
    return f"{100 * ile / z:5.1f}" if z else "    -"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("korpus", type=Path)
    parser.add_argument("--cli", default=str(TU.parent.parent / "build/cli/rozpoznik-cli"))
    parser.add_argument("--ranked", action="store_true")
    parser.add_argument("--bledy", action="store_true")
    parser.add_argument("--sprawdz", type=Path, metavar="WYJATKI")
    args = parser.parse_args()

    korpus = args.korpus.resolve()
    formaty = wczytaj_formaty()
    pliki = wczytaj_manifest(korpus)
    for etykieta, _ in pliki:
        if etykieta not in formaty:
            sys.exit(f"label {etykieta} is not in formaty.tsv")
    sciezki = [str(korpus / s) for _, s in pliki]
    opcje = ["--ranked"] if args.ranked else []
    z_nazwa = rozpoznaj(args.cli, sciezki, opcje)

    def trafienia(etykieta, typy):
        wzorzec = formaty[etykieta].rozpoznik
        pierwszy = bool(typy) and bool(wzorzec.search(typy[0]))
        return pierwszy, any(wzorzec.search(t) for t in typy)

    if args.bledy or args.sprawdz:
        bledne = {}
        for (etykieta, sciezka), typy in zip(pliki, z_nazwa):
            if not trafienia(etykieta, typy)[0]:
                bledne[sciezka] = typy[0] if typy else "(nie rozpoznano)"
        if args.bledy:
            for sciezka, typ in bledne.items():
                print(f"{sciezka}\t{typ}")
            return 0
        oczekiwane = {}
        with open(args.sprawdz, encoding="utf-8") as f:
            for wiersz in f:
                if wiersz.strip() and not wiersz.startswith("#"):
                    oczekiwane[wiersz.split("\t")[0].strip()] = wiersz
        nowe = sorted(set(bledne) - set(oczekiwane))
        naprawione = sorted(set(oczekiwane) - set(bledne))
        for s in nowe:
            print(f"wrong first answer: {s}: {bledne[s]}")
        for s in naprawione:
            print(f"listed as failing but right now: {s}")
        if nowe or naprawione:
            print(f"regenerate with: {sys.argv[0]} {args.korpus} --bledy > {args.sprawdz}")
            return 1
        print(f"{len(pliki)} files, {len(bledne)} expected failures, as listed")
        return 0

    with tempfile.TemporaryDirectory(dir=korpus) as bez:
        bez_nazwy = []
        for i, s in enumerate(sciezki):
            cel = os.path.join(bez, f"plik{i:04d}")
            os.link(s, cel)
            bez_nazwy.append(cel)
        bez_nazwy_typy = rozpoznaj(args.cli, bez_nazwy, opcje)
    file_opisy = opisy_file(sciezki)
    ft_opisy = opisy_file_type(korpus, sciezki)

    # label -> [files, first right, any right, first right without name, any without, file, ft]
    wyniki = {}
    for i, (etykieta, _) in enumerate(pliki):
        w = wyniki.setdefault(etykieta, [0] * 7)
        w[0] += 1
        p, k = trafienia(etykieta, z_nazwa[i])
        pb, kb = trafienia(etykieta, bez_nazwy_typy[i])
        w[1] += p
        w[2] += k
        w[3] += pb
        w[4] += kb
        fmt = formaty[etykieta]
        if file_opisy is not None:
            w[5] += bool(fmt.file.search(file_opisy[i]))
        if ft_opisy is not None:
            w[6] += ft_opisy[i] in fmt.file_type

    naglowek = ("format", "files", "1st", "any", "1st-", "any-", "file", "f-type")
    print("%-10s %5s %5s %5s %5s %5s %5s %6s" % naglowek)
    razem = [0] * 7
    for etykieta in sorted(wyniki):
        w = wyniki[etykieta]
        razem = [a + b for a, b in zip(razem, w)]
        print("%-10s %5d %5d %5d %5d %5d %5s %6s" % (
            etykieta, *w[:5],
            w[5] if file_opisy is not None else "-",
            w[6] if ft_opisy is not None else "-"))
    n = razem[0]
    print()
    print(f"{n} files, {len(wyniki)} formats ('-': the same bytes under a name without extension)")
    print(f"rozpoznik-cli first answer right, proper name: {procent(razem[1], n)} %")
    print(f"rozpoznik-cli some candidate right, proper name: {procent(razem[2], n)} %")
    print(f"rozpoznik-cli first answer right, no extension: {procent(razem[3], n)} %")
    print(f"rozpoznik-cli some candidate right, no extension: {procent(razem[4], n)} %")
    if file_opisy is not None:
        print(f"file -b right: {procent(razem[5], n)} %")
    if ft_opisy is not None:
        print(f"file-type right: {procent(razem[6], n)} %")
    return 0


if __name__ == "__main__":
    sys.exit(main())

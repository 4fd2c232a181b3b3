#!/usr/bin/python3
"""Copies a small subset of a corpus for the test that runs in CI.

    podzbior.py KORPUS CEL

Binary files keep their first 4 KiB, which hold everything the identification reads; text files
up to 16 KiB are copied whole (the text test reads a file to its end), longer ones cut at 4 KiB;
private keys keep only their first 100 bytes.
Of the files of one label, only those whose first 8 bytes (the magic) or extension differ from
every one kept before are taken. CEL gets the files under pliki/ and its own manifest.tsv.
"""

import shutil
import sys
from pathlib import Path

CALY_TEKST = 16 * 1024
POCZATEK = 4 * 1024
KLUCZ = 100
KLUCZE_PRYWATNE = {"P12"}
NIETEKSTOWE = set(range(0x08)) | set(range(0x0E, 0x20)) | {0x7F}


def tekstowy(dane):
    return not any(b in NIETEKSTOWE for b in dane)


def main():
    korpus, cel = Path(sys.argv[1]), Path(sys.argv[2])
    if (cel / "pliki").exists():
        shutil.rmtree(cel / "pliki")
    widziane = set()
    wiersze = []
    for wiersz in (korpus / "manifest.tsv").read_text(encoding="utf-8").splitlines():
        etykieta, sciezka = wiersz.split("\t")
        dane = (korpus / sciezka).read_bytes()
        klucz = (etykieta, Path(sciezka).suffix.lower(), dane[:8])
        if klucz in widziane:
            continue
        widziane.add(klucz)
        if not (tekstowy(dane) and len(dane) <= CALY_TEKST):
            dane = dane[:POCZATEK]
        # No working private key goes into the repository: the start names the format all the same.
        if b"PRIVATE KEY" in dane or etykieta in KLUCZE_PRYWATNE:
            dane = dane[:KLUCZ]
        docelowy = cel / sciezka
        docelowy.parent.mkdir(parents=True, exist_ok=True)
        docelowy.write_bytes(dane)
        wiersze.append(wiersz)
    (cel / "manifest.tsv").write_text("\n".join(wiersze) + "\n", encoding="utf-8")
    print(f"{len(wiersze)} files in {cel}")


if __name__ == "__main__":
    main()

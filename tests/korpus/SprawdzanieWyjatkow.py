#!/usr/bin/python3
"""The CI gate of bench/korpus/ocen.py: it passes only when exactly the listed files fail."""

import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

OCEN = Path(__file__).resolve().parents[2] / "bench" / "korpus" / "ocen.py"

# Stands in for rozpoznik-cli --json: each file's one candidate is the type its content names.
ATRAPA = """import json, sys
for p in sys.argv[sys.argv.index("--") + 1:]:
    typ = open(p, encoding="utf-8").read()
    print(json.dumps({"path": p, "candidates": [{"type": typ}] if typ else []}))
"""


class SprawdzanieWyjatkow(unittest.TestCase):
    def setUp(self):
        self.folder = Path(tempfile.mkdtemp())
        atrapa = self.folder / "atrapa.py"
        atrapa.write_text(ATRAPA)
        self.cli = self.folder / "cli"
        self.cli.write_text(f"#!/bin/sh\nexec {sys.executable} {atrapa} \"$@\"\n")
        self.cli.chmod(0o755)
        (self.folder / "pliki").mkdir()
        pliki = {"dobry.gz": "Dane skompresowane gzip", "zly.gz": "Archiwum ZIP", "pusty.gz": ""}
        for nazwa, typ in pliki.items():
            (self.folder / "pliki" / nazwa).write_text(typ, encoding="utf-8")
        (self.folder / "manifest.tsv").write_text(
            "".join(f"GZ\tpliki/{n}\n" for n in pliki), encoding="utf-8")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def ocen(self, *opcje):
        return subprocess.run([sys.executable, OCEN, self.folder, "--cli", self.cli, *opcje],
                              capture_output=True, text=True, check=False)

    def sprawdz(self, wyjatki):
        lista = self.folder / "wyjatki.tsv"
        lista.write_text("".join(f"{w}\n" for w in wyjatki), encoding="utf-8")
        return self.ocen("--sprawdz", lista).returncode

    def test_bledy_to_wypis_listy(self):
        wynik = self.ocen("--bledy")
        self.assertEqual(wynik.stdout,
                         "pliki/zly.gz\tArchiwum ZIP\npliki/pusty.gz\t(nie rozpoznano)\n")

    def test_przechodzi_tylko_z_dokladna_lista(self):
        self.assertEqual(self.sprawdz(["pliki/zly.gz\tArchiwum ZIP", "pliki/pusty.gz"]), 0)
        self.assertEqual(self.sprawdz(["pliki/zly.gz"]), 1)  # a failure not listed
        self.assertEqual(self.sprawdz(["pliki/zly.gz", "pliki/pusty.gz", "pliki/dobry.gz"]), 1)


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/python3
"""Times commands against a floor in rounds taken in turn, on a machine whose speed drifts.

    na_zmiane.py ROUNDS FLOOR COMMAND...

Each round runs the floor, every command, and the floor again; a command's time is divided by
the mean of that round's two floor times, so that the machine's drift from one round to the next
cancels out of the ratio. Prints each command's median time and its median ratio with the middle
half of the ratios. Output goes to /dev/null; a command's exit status is ignored (rozpoznik-cli
exits 1 when some file is not recognised).
"""

import shlex
import statistics
import subprocess
import sys
import time


def czas(polecenie):
    poczatek = time.perf_counter()
    subprocess.run(polecenie, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    return time.perf_counter() - poczatek


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    rundy = int(sys.argv[1])
    podloga = shlex.split(sys.argv[2])
    polecenia = [shlex.split(p) for p in sys.argv[3:]]
    for p in [podloga] + polecenia:  # warm the caches
        czas(p)
    podlogi, czasy = [], [[] for _ in polecenia]
    stosunki = [[] for _ in polecenia]
    for _ in range(rundy):
        przed = czas(podloga)
        runda = [czas(p) for p in polecenia]
        po = czas(podloga)
        podlogi += [przed, po]
        for i, t in enumerate(runda):
            czasy[i].append(t)
            stosunki[i].append(t / ((przed + po) / 2))
    print(f"{statistics.median(podlogi) * 1000:8.1f} ms          {sys.argv[2]}")
    for i, polecenie in enumerate(sys.argv[3:]):
        cwiartki = statistics.quantiles(stosunki[i], n=4)
        print(f"{statistics.median(czasy[i]) * 1000:8.1f} ms  {statistics.median(stosunki[i]):.3f}x "
              f"({cwiartki[0]:.3f}-{cwiartki[2]:.3f})  {polecenie}")


if __name__ == "__main__":
    main()

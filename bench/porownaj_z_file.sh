#!/usr/bin/env bash
# Times rozpoznik-cli, in one run, against the floor of system calls (rozpoznik-podloga: open,
# fstat, read 80 bytes, close, nothing else) and against `file -b`, over the same 10,000 small
# files of mixed kinds (images, archives, documents, executables, text, unknown binary data).
# `-j 1` is set against the floor on one thread, the default (a thread per processor) against
# the floor on as many threads. Uses hyperfine when it is installed, plain `time` otherwise.
# With ROUNDS=n it then times the floor and the program in n rounds taken in turn (na_zmiane.py),
# each against its own round's floor, which the machine's drift between runs can't skew. With
# PERF=1 it then profiles `-j 1` over the same files and lists where its time goes.
#   apt-get install hyperfine linux-perf
#   bench/porownaj_z_file.sh [build folder]     (COUNT=n to change the number of files)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${1:-$root/build}"
cli="$build/cli/rozpoznik-cli"
podloga="$build/bench/rozpoznik-podloga"
count="${COUNT:-10000}"
watki=$(nproc)
for program in "$cli" "$podloga"; do
  [ -x "$program" ] || { echo "no $program: build it first" >&2; exit 2; }
done
command -v file > /dev/null || { echo "file is not installed" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/rozpoznik-porownanie.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/pliki"

# Leading bytes of the kinds in the mix, with the extension such a file usually has.
naglowki=('\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR' 'PK\x03\x04\x14\x00\x00\x00\x08\x00'
          '%%PDF-1.4\n%%\xe2\xe3\xcf\xd3\n' '\xff\xd8\xff\xe0\x00\x10JFIF\x00'
          '\x7fELF\x02\x01\x01\x00' '\x1f\x8b\x08\x00\x00\x00\x00\x00' 'GIF89a\x10\x00\x10\x00')
rozszerzenia=(png zip pdf jpg so gz gif)
wypelnienie=$(printf '%*s' 600 '' | tr ' ' 'x')
for ((i = 0; i < count; i++)); do
  rodzaj=$((i % 10))
  if ((rodzaj < ${#naglowki[@]})); then
    printf "${naglowki[rodzaj]}%s%d" "$wypelnienie" "$i" > "$work/pliki/p$i.${rozszerzenia[rodzaj]}"
  elif ((rodzaj == 7)); then
    printf 'Notatka numer %d.\n%s\n' "$i" "$wypelnienie" > "$work/pliki/p$i.txt"
  elif ((rodzaj == 8)); then
    printf '#include <stdio.h>\nint main(void) { return %d; }\n' "$i" > "$work/pliki/p$i.c"
  else
    printf '\x01\x02\x03\x04\x05%d\x00\x06' "$i" > "$work/pliki/p$i.dat"
  fi
done
find "$work/pliki" -type f | sort > "$work/lista"
echo "$count files in $work/pliki"

# rozpoznik-cli exits 1 when some file is not recognised, which is expected here.
if command -v hyperfine > /dev/null; then
  hyperfine --warmup 2 --ignore-failure --output=null \
    --command-name 'floor (open, fstat, read, close)' "$podloga $work/pliki" \
    --command-name "floor -j $watki" "$podloga -j $watki $work/pliki" \
    --command-name 'rozpoznik-cli -j 1' "$cli -j 1 -r $work/pliki" \
    --command-name 'rozpoznik-cli' "$cli -r $work/pliki" \
    --command-name 'rozpoznik-cli --json' "$cli --json -r $work/pliki" \
    --command-name 'file -b' "file -b -f $work/lista"
else
  file -b -f "$work/lista" > /dev/null
  echo "floor:"; time "$podloga" "$work/pliki" > /dev/null
  echo "floor -j $watki:"; time "$podloga" -j "$watki" "$work/pliki" > /dev/null
  echo "rozpoznik-cli -j 1:"; time "$cli" -j 1 -r "$work/pliki" > /dev/null || true
  echo "rozpoznik-cli:"; time "$cli" -r "$work/pliki" > /dev/null || true
  echo "rozpoznik-cli --json:"; time "$cli" --json -r "$work/pliki" > /dev/null || true
  echo "file -b:"; time file -b -f "$work/lista" > /dev/null
fi

if [ "${ROUNDS:-0}" -gt 0 ]; then
  echo "-j 1 against the floor on one thread, then the default against the floor on $watki:"
  "$root/bench/na_zmiane.py" "$ROUNDS" "$podloga $work/pliki" "$cli -j 1 -r $work/pliki"
  "$root/bench/na_zmiane.py" "$ROUNDS" "$podloga -j $watki $work/pliki" "$cli -r $work/pliki"
fi

if [ "${PERF:-0}" = 1 ]; then
  # Ten passes, so that the samples of one file's stages are many; by function, most first.
  perf record -q -o "$work/perf.data" -F 2000 -g -- bash -c \
    "for i in 1 2 3 4 5 6 7 8 9 10; do $cli -j 1 -r $work/pliki > /dev/null || true; done"
  perf report -i "$work/perf.data" --no-children -F overhead,sym -g none --stdio 2>/dev/null |
    grep -E "^ +[0-9.]+%" | sed "s/[[:space:]]*$//" | head -n 40
fi

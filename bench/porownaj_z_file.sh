#!/usr/bin/env bash
# Times rozpoznik-cli against `file -b` over the same 10,000 small files of mixed kinds (images,
# archives, documents, executables, text, unknown binary data). Uses hyperfine when it is
# installed (apt-get install hyperfine), plain `time` otherwise.
#   bench/porownaj_z_file.sh [path/to/rozpoznik-cli]     (COUNT=n to change the number of files)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli="${1:-$root/build/cli/rozpoznik-cli}"
count="${COUNT:-10000}"
[ -x "$cli" ] || { echo "no rozpoznik-cli at $cli: build it first" >&2; exit 2; }
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
  hyperfine --warmup 2 --ignore-failure \
    --command-name 'file -b' "file -b -f $work/lista" \
    --command-name 'rozpoznik-cli' "$cli -r $work/pliki" \
    --command-name 'rozpoznik-cli --json' "$cli --json -r $work/pliki"
else
  file -b -f "$work/lista" > /dev/null
  echo "file -b:"; time file -b -f "$work/lista" > /dev/null
  echo "rozpoznik-cli:"; time "$cli" -r "$work/pliki" > /dev/null || true
  echo "rozpoznik-cli --json:"; time "$cli" --json -r "$work/pliki" > /dev/null || true
fi

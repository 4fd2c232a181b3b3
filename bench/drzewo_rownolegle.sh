#!/usr/bin/env bash
# Files per second of rozpoznik-cli -r over a generated tree of 200,000 small files (200 folders
# of 1,000 files of mixed kinds), one thread against one per core, each beside the floor of
# system calls (rozpoznik-podloga) on as many threads, and the memory each takes. Uses hyperfine
# when it is installed, plain `time` otherwise.
#   bench/drzewo_rownolegle.sh [build folder]     (COUNT=n to change the number of files)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${1:-$root/build}"
cli="$build/cli/rozpoznik-cli"
podloga="$build/bench/rozpoznik-podloga"
count="${COUNT:-200000}"
watki=$(nproc)
for program in "$cli" "$podloga"; do
  [ -x "$program" ] || { echo "no $program: build it first" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/rozpoznik-drzewo.XXXXXX")
trap 'rm -rf "$work"' EXIT
naglowki=('\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR' 'PK\x03\x04\x14\x00\x00\x00\x08\x00'
          '%%PDF-1.4\n%%\xe2\xe3\xcf\xd3\n' '\xff\xd8\xff\xe0\x00\x10JFIF\x00' 'Notatka\n'
          '\x01\x02\x03\x04\x05\x00\x06')
rozszerzenia=(png zip pdf jpg txt dat)
for ((i = 0; i < count; i++)); do
  folder="$work/drzewo/f$((i / 1000))"
  ((i % 1000)) || mkdir -p "$folder"
  rodzaj=$((i % ${#naglowki[@]}))
  printf "${naglowki[rodzaj]}%d" "$i" > "$folder/p$i.${rozszerzenia[rodzaj]}"
done
echo "$count files in $work/drzewo on $(nproc) cores"

if command -v hyperfine > /dev/null; then
  hyperfine --warmup 1 --runs 5 --ignore-failure --output=null \
    --command-name 'floor' "$podloga $work/drzewo/f*" \
    --command-name "floor -j $watki" "$podloga -j $watki $work/drzewo/f*" \
    --command-name 'rozpoznik-cli -j 1' "$cli -j 1 -r $work/drzewo" \
    --command-name "rozpoznik-cli -j $watki" "$cli -j $watki -r $work/drzewo"
fi
for jobs in 1 "$watki"; do
  /usr/bin/time -f "-j $jobs: %e s, %M KiB at most" "$cli" -j "$jobs" -r "$work/drzewo" > /dev/null || true
done

#!/usr/bin/env bash
# How much of a system's own files rozpoznik-cli recognises, beside what `file` names: draws N
# regular files at random from a folder tree (by default 5,000 from /usr), identifies each with
# both, and prints the shares and the kinds (by `file`'s description up to its first comma) that
# `file` names and Rozpoznik doesn't, most frequent first.
#   bench/pokrycie.sh [path/to/rozpoznik-cli]   (N=, ROOT=, SEED= to change the draw; TOP= kinds)
# Names holding a quote, a backslash or bytes outside printable ASCII are left out of the draw,
# so that the JSON lines can be matched to `file`'s answers by name without a JSON parser.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli="${1:-$root/build/cli/rozpoznik-cli}"
n="${N:-5000}"
drzewo="${ROOT:-/usr}"
ziarno="${SEED:-18}"
top="${TOP:-15}"
[ -x "$cli" ] || { echo "no rozpoznik-cli at $cli: build it first" >&2; exit 2; }
command -v file > /dev/null || { echo "file is not installed" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/rozpoznik-pokrycie.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A seeded stream of bytes for shuf, so that one SEED draws the same files on the same system.
losowe() { openssl enc -aes-128-ctr -pass "pass:$ziarno" -nosalt -pbkdf2 < /dev/zero 2> /dev/null; }

find "$drzewo" -xdev -type f -readable -print 2> /dev/null | LC_ALL=C grep -a '^[ -~]*$' |
  LC_ALL=C grep -av '["\\]' | LC_ALL=C sort | shuf -n "$n" --random-source=<(losowe) > "$work/lista"
wylosowanych=$(wc -l < "$work/lista")

# `file` answers one line per name, in the list's order.
file -b -f "$work/lista" | cut -d, -f1 > "$work/file"
paste -d '\t' "$work/lista" "$work/file" | LC_ALL=C sort -t $'\t' -k1,1 > "$work/file.tsv"

# rozpoznik-cli writes one JSON line per file it could read; a file it could not (gone since the
# draw, or not readable after all) counts as not recognised.
xargs -d '\n' -a "$work/lista" "$cli" --json 2> /dev/null |
  sed -E 's/^\{"path":"([^"]*)",.*"recognised":(true|false),.*$/\1\t\2/' |
  LC_ALL=C sort -t $'\t' -k1,1 > "$work/rozpoznik.tsv" || true

LC_ALL=C join -t $'\t' -a 1 -e false -o 0,1.2,2.2 "$work/file.tsv" "$work/rozpoznik.tsv" |
  awk -F'\t' -v n="$wylosowanych" -v top="$top" -v drzewo="$drzewo" '
    { nazwany = ($2 != "data"); rozpoznany = ($3 == "true")
      r += rozpoznany; f += nazwany; oba += nazwany && rozpoznany
      if (nazwany && !rozpoznany) brak[$2]++ }
    END {
      printf "%d files drawn from %s\n", n, drzewo
      printf "rozpoznik-cli recognises %d (%.1f %%)\n", r, 100 * r / n
      printf "file names %d (%.1f %%) as something other than \"data\"\n", f, 100 * f / n
      printf "of those, rozpoznik-cli recognises %d (%.1f %%)\n", oba, f ? 100 * oba / f : 0
      printf "\nnamed by file, not recognised (top %d):\n", top
      for (k in brak) printf "%6d  %s\n", brak[k], k | "sort -rn | head -n " top
    }'

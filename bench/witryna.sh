#!/usr/bin/env bash
# Measures rozpoznik-site on loopback with wrk: version answers a second, then stored reports a
# second (each report new, so each adds a row). Run by hand:
#   bench/witryna.sh [build/site/rozpoznik-site] [seconds]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
site=${1:-build/site/rozpoznik-site}
sekundy=${2:-10}
port=18999
katalog=$(mktemp -d)
"$site" --listen 127.0.0.1:$port --database "$katalog/zgloszenia.db" --latest 1.5 \
  --reports-per-minute 0 2>"$katalog/dziennik.log" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -rf "$katalog"' EXIT
sleep 0.5

echo "== version answers"
wrk -t2 -c16 -d"${sekundy}s" "http://127.0.0.1:$port/aktual.php?rand=42&program=Rozpoznik%20wersja%201.4"
echo "== stored reports"
wrk -t2 -c16 -d"${sekundy}s" -s "$here/zgloszenia.lua" "http://127.0.0.1:$port/"
echo "rows stored: $(sqlite3 "$katalog/zgloszenia.db" 'SELECT count(*) FROM zgloszenia')"
echo "log lines: $(wc -l <"$katalog/dziennik.log")"

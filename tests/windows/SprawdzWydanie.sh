#!/usr/bin/env bash
# SprawdzWydanie.sh RELEASE VERSION SCRATCH RELEASE_SCRIPT RELEASE_COMMAND...
# The portable archive RELEASE/Rozpoznik-VERSION-portable.zip holds the release's files and a
# guide Notepad reads; the release command (RELEASE_COMMAND ... -P RELEASE_SCRIPT), run into
# SCRATCH, builds unsigned and says so without a certificate, signs the programs and the
# installer with a throwaway one, and fails, rather than build unsigned, when it cannot sign.
set -euo pipefail
wydanie=$1
wersja=$2
roboczy=$3
skrypt=$4
shift 4
polecenie_wydania=("$@")
zrodla=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

nie() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$roboczy"
mkdir -p "$roboczy"

echo "== portable archive"
archiwum=$wydanie/Rozpoznik-$wersja-portable.zip
[ -f "$archiwum" ] || nie "no $archiwum: build the target wydanie first"
spis=$(unzip -Z1 "$archiwum" | sort | tr '\n' ' ')
[ "$spis" = "licencja.txt readme.txt rozpoznik-cli.exe rozpoznik.exe " ] || nie "the archive holds: $spis"
unzip -q "$archiwum" -d "$roboczy/przenosny"
for plik in rozpoznik.exe rozpoznik-cli.exe readme.txt licencja.txt; do
  cmp -s "$wydanie/pliki-$wersja/$plik" "$roboczy/przenosny/$plik" || nie "the archive's $plik differs"
done
for para in readme.txt:install/readme.txt licencja.txt:LICENSE; do
  plik=$roboczy/przenosny/${para%%:*}
  zrodlo=$zrodla/${para#*:}
  [ "$(head -c 3 "$plik" | od -An -tx1 | tr -d ' ')" = efbbbf ] || nie "$plik has no UTF-8 byte-order mark"
  [ "$(tr -cd '\n' <"$plik" | wc -c)" -eq "$(grep -c $'\r$' "$plik")" ] || nie "$plik has a line without CR"
  tail -c +4 "$plik" | tr -d '\r' | cmp -s - "$zrodlo" || nie "$plik does not say what $zrodlo says"
done

echo "== unsigned without a certificate"
wynik=$(env -u ROZPOZNIK_CERT "${polecenie_wydania[@]}" -DWERSJA="$wersja" -DWYNIK="$roboczy/bez" -P "$skrypt")
grep -q UNSIGNED <<<"$wynik" || nie "an unsigned release does not say so: $wynik"
for plik in "$roboczy/bez/Rozpoznik-$wersja-setup.exe" "$roboczy/bez/pliki-$wersja/rozpoznik.exe"; do
  ! osslsigncode verify -in "$plik" >/dev/null 2>&1 || nie "$plik carries a signature"
done

echo "== signed with a throwaway certificate"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Rozpoznik test" \
  -keyout "$roboczy/klucz.pem" -out "$roboczy/certyfikat.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$roboczy/klucz.pem" -in "$roboczy/certyfikat.pem" \
  -out "$roboczy/certyfikat.p12" -passout 'pass:hasło z spacją'
export ROZPOZNIK_CERT=$roboczy/certyfikat.p12 ROZPOZNIK_CERT_HASLO='hasło z spacją'
"${polecenie_wydania[@]}" -DWERSJA="$wersja" -DWYNIK="$roboczy/z" -P "$skrypt" >/dev/null
unzip -q "$roboczy/z/Rozpoznik-$wersja-portable.zip" -d "$roboczy/z/przenosny"
for plik in "$roboczy/z/Rozpoznik-$wersja-setup.exe" "$roboczy/z/przenosny/rozpoznik.exe" \
  "$roboczy/z/przenosny/rozpoznik-cli.exe"; do
  osslsigncode verify -CAfile "$roboczy/certyfikat.pem" -in "$plik" >"$roboczy/weryfikacja" 2>&1 ||
    nie "$plik: $(cat "$roboczy/weryfikacja")"
  grep -q 'CN=Rozpoznik test' "$roboczy/weryfikacja" || nie "$plik is signed by someone else"
done

echo "== a certificate that cannot sign fails the build"
for zly in "ROZPOZNIK_CERT_HASLO=złe" "ROZPOZNIK_CERT=$roboczy/brak.p12"; do
  if env "$zly" "${polecenie_wydania[@]}" -DWERSJA="$wersja" -DWYNIK="$roboczy/zle" -P "$skrypt" \
    >/dev/null 2>&1; then
    nie "the release built with $zly"
  fi
  [ ! -e "$roboczy/zle/Rozpoznik-$wersja-setup.exe" ] || nie "$zly still left an installer"
  [ ! -e "$roboczy/zle/Rozpoznik-$wersja-portable.zip" ] || nie "$zly still left an archive"
done
echo "release $wydanie: checked"

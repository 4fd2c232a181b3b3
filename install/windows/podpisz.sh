#!/usr/bin/env bash
# podpisz.sh PROGRAM ADDRESS: signs a Windows program in place (Authenticode, SHA-256) with the
# PKCS#12 certificate named by ROZPOZNIK_CERT and its password ROZPOZNIK_CERT_HASLO, naming the
# maker's web site ADDRESS. The password reaches osslsigncode through a pipe, not on a command
# line that any user of the machine can read. Any failure fails the build: a release that was
# meant to be signed never comes out unsigned.
set -euo pipefail
program=$1
adres=$2

[ -n "${ROZPOZNIK_CERT:-}" ] || { echo "podpisz.sh: ROZPOZNIK_CERT names no certificate" >&2; exit 2; }
[ -f "$ROZPOZNIK_CERT" ] && [ -r "$ROZPOZNIK_CERT" ] ||
  { echo "podpisz.sh: cannot read the certificate $ROZPOZNIK_CERT" >&2; exit 2; }

podpisany=$(mktemp "$program.XXXXXX")
trap 'rm -f "$podpisany"' EXIT
rm -f "$podpisany"
if ! printf '%s' "${ROZPOZNIK_CERT_HASLO:-}" |
  osslsigncode sign -pkcs12 "$ROZPOZNIK_CERT" -readpass /dev/stdin -h sha256 -n Rozpoznik -i "$adres" \
    -in "$program" -out "$podpisany" >/dev/null; then
  echo "podpisz.sh: osslsigncode could not sign $program" >&2
  exit 1
fi
mv "$podpisany" "$program"

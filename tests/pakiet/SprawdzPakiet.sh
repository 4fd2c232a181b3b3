#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks it the way Debian's archive would
# (lintian, the menu entry, the metainfo), then runs both programs from its unpacked contents.
# Argument: the build folder.
set -euo pipefail
budowa=$1

nie() { echo "FAIL: $*" >&2; exit 1; }

rm -f "$budowa"/rozpoznik_*.deb
(cd "$budowa" && cpack -G DEB >/dev/null)
pakiety=("$budowa"/rozpoznik_*.deb)
[ ${#pakiety[@]} -eq 1 ] && [ -f "${pakiety[0]}" ] || nie "cpack made no single package: ${pakiety[*]}"
pakiet=${pakiety[0]}

# Overrides, if ever needed, go in the package with a written reason; none are needed today.
lintian --fail-on error,warning --tag-display-limit 0 "$pakiet"

rozpakowany=$(mktemp -d)
trap 'rm -rf "$rozpakowany"' EXIT
dpkg-deb -x "$pakiet" "$rozpakowany"
usr=$rozpakowany/usr

desktop-file-validate "$usr/share/applications/rozpoznik.desktop"
menu=$usr/share/kio/servicemenus/rozpoznik-rozpoznaj.desktop
[ -f "$menu" ] || nie "the package lacks KDE's context-menu entry"
desktop-file-validate "$menu"
metainfo=("$usr"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" >/dev/null || appstreamcli validate --no-net "${metainfo[@]}"

for plik in bin/rozpoznik bin/rozpoznik-cli share/doc/rozpoznik/copyright \
  share/doc/rozpoznik/readme.txt share/man/man1/rozpoznik.1.gz share/man/man1/rozpoznik-cli.1.gz \
  share/icons/hicolor/scalable/apps/rozpoznik.svg share/icons/hicolor/48x48/apps/rozpoznik.png \
  share/bash-completion/completions/rozpoznik-cli share/zsh/vendor-completions/_rozpoznik-cli \
  share/fish/vendor_completions.d/rozpoznik-cli.fish; do
  [ -f "$usr/$plik" ] || nie "the package lacks /usr/$plik"
done
[ ! -L "$usr/bin/rozpoznik" ] || nie "/usr/bin/rozpoznik is a link, not the program"
[ ! -e "$usr/lib/rozpoznik" ] || nie "the package holds the source install's /usr/lib/rozpoznik"

# Read whole before the search: grep -q stops at the first match, and a program still writing
# would then die of a broken pipe, which pipefail counts as a failure.
pomoc=$("$usr/bin/rozpoznik-cli" --help) || nie "rozpoznik-cli --help failed"
grep -q -- '--json' <<<"$pomoc" || nie "rozpoznik-cli --help names no --json"

printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0' >"$rozpakowany/obraz.png"
wynik=$("$usr/bin/rozpoznik-cli" --json "$rozpakowany/obraz.png") || nie "rozpoznik-cli did not recognise a PNG"
grep -q '"recognised":true' <<<"$wynik" || nie "rozpoznik-cli: $wynik"
grep -q '"extension":"PNG"' <<<"$wynik" || nie "rozpoznik-cli did not call a PNG one: $wynik"

# The window runs until it is closed, so it counts as started when it is still up after a few
# seconds. Without a marker beside it, it must neither ask the site nor create one.
kod=0
QT_QPA_PLATFORM=offscreen timeout 5 "$usr/bin/rozpoznik" || kod=$?
[ "$kod" -eq 124 ] || nie "the window ended by itself with status $kod"
[ ! -e "$usr/bin/readme.txt" ] || nie "the packaged program made a marker beside itself"

# Each entry's command, as a file manager runs it for a file: the program takes the file and
# stays up with its result (one candidate: no question).
for wpis in "$usr/share/applications/rozpoznik.desktop" "$menu"; do
  polecenie=$(sed -n 's/^Exec=//p' "$wpis" | sort -u)
  [ "$polecenie" = 'rozpoznik %f' ] || nie "${wpis##*/} runs: $polecenie"
  grep -qx 'MimeType=application/octet-stream;.*' "$wpis" || nie "${wpis##*/} is not offered for every file"
done
kod=0
QT_QPA_PLATFORM=offscreen timeout 5 "$usr/bin/rozpoznik" "$rozpakowany/obraz.png" || kod=$?
[ "$kod" -eq 124 ] || nie "the window given a file ended by itself with status $kod"

# Tab completion offers the options.
fish --no-config -c "source '$usr/share/fish/vendor_completions.d/rozpoznik-cli.fish'
  complete -C'rozpoznik-cli --js'" | grep -q '^--json' || nie "fish completes no --json"
zsh -n "$usr/share/zsh/vendor-completions/_rozpoznik-cli" || nie "zsh completion does not parse"
bash -c "source /usr/share/bash-completion/bash_completion
source '$usr/share/bash-completion/completions/rozpoznik-cli'
COMP_WORDS=(rozpoznik-cli --re); COMP_CWORD=1; COMP_LINE='rozpoznik-cli --re'; COMP_POINT=\${#COMP_LINE}
_rozpoznik_cli rozpoznik-cli --re rozpoznik-cli
[ \"\${COMPREPLY[*]}\" = --recursive ]" || nie "bash completes --re to something other than --recursive"

echo "package ${pakiet##*/}: checked"

#!/usr/bin/env bash
# SprawdzInstalator.sh RELEASE VERSION SCRATCH VERB_RUNNER RELEASE_SCRIPT RELEASE_COMMAND...
# Runs the installer RELEASE/Rozpoznik-VERSION-setup.exe under Wine, in one Wine set-up made
# afresh in SCRATCH, on a display of its own (Xvfb): a silent install for the current user, the
# program started from it, and from its context-menu verb on a file as Explorer does it
# (VERB_RUNNER, tests/windows/Czasownik.cpp), a silent uninstall; the same for all users; then
# an older version (RELEASE_COMMAND ... -P RELEASE_SCRIPT with a lower version) installed into a
# folder of the user's choosing, and upgraded in place. At the end the Wine set-up must hold what it held
# before the first install.
set -euo pipefail
wydanie=$1
wersja=$2
roboczy=$3
czasownik=$4
skrypt=$5
shift 5
polecenie_wydania=("$@")

nie() {
  echo "FAIL: $*" >&2
  exit 1
}

instalator=$wydanie/Rozpoznik-$wersja-setup.exe
pliki=$wydanie/pliki-$wersja
[ -f "$instalator" ] || nie "no $instalator: build the target wydanie first"

export WINEPREFIX=$roboczy/wine WINEDEBUG=-all WINELOADER=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
rm -rf "$roboczy"
mkdir -p "$WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
# Wine's Mono and Gecko are not wanted, and their installers are not asked for.
WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot --init

# Windows paths of the set-up, as Linux paths.
sciezka() { "$wine" winepath -u "$1" | tr -d '\r'; }
zmienna() { "$wine" cmd /c echo "%$1%" | tr -d '\r'; }
lokalne=$(sciezka "$(zmienna LOCALAPPDATA)")
menu_uzytkownika=$(sciezka "$(zmienna APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
menu_wszystkich=$(sciezka "$(zmienna ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs")
program_files=$(sciezka "$(zmienna ProgramW6432)")
wyslij_do=$(sciezka "$(zmienna APPDATA)\\Microsoft\\Windows\\SendTo")
klucz='Software\Microsoft\Windows\CurrentVersion\Uninstall\Rozpoznik'
polecenia='Software\Classes\*\shell'

# What the set-up holds, but for the scratch files of Windows and Wine that change on their own.
stan() {
  (cd "$WINEPREFIX/drive_c" && find . | grep -v -i -e '/temp\b' -e '/temp/' | sort)
}
przed=$(stan)

# The uninstaller copies itself out of the folder it deletes and returns at once; its last
# step is deleting the registry entry, so that is what to wait for.
odinstaluj() {
  local galaz=$1 cicho proba
  cicho=$(wartosc "$galaz" QuietUninstallString) || nie "$galaz has no QuietUninstallString"
  [[ $cicho =~ ^\"([^\"]+)\"((\ /[A-Za-z]+)+)$ ]] || nie "QuietUninstallString is no program and switches: $cicho"
  [[ ${BASH_REMATCH[2]} == *" /S" ]] || nie "QuietUninstallString is not silent: $cicho"
  # shellcheck disable=SC2086 # the switches, one word each
  "$wine" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
  for proba in $(seq 60); do
    "$wine" reg query "$galaz\\$klucz" >/dev/null 2>&1 || return 0
    sleep 1
  done
  nie "the uninstaller did not finish within a minute"
}
wartosc() {
  "$wine" reg query "$1\\$klucz" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep .
}
brak_klucza() {
  ! "$wine" reg query "$1\\$klucz" >/dev/null 2>&1 || nie "$1\\$klucz is there"
  ! "$wine" reg query "$1\\$polecenia\\Rozpoznik" >/dev/null 2>&1 || nie "$1 still has the verb"
}
# wartosc_czasownika BRANCH SUBKEY /ve|/v NAME: a string of the context-menu verb.
wartosc_czasownika() {
  "$wine" reg query "$1\\$polecenia\\Rozpoznik$2" "${@:3}" 2>/dev/null | tr -d '\r' |
    sed -n 's/^.* REG_SZ *//p' | grep .
}
# The shortcut names the program, in whichever width the shell wrote it.
prowadzi_do_programu() {
  grep -qa 'rozpoznik\.exe' "$1" || iconv -f UTF-16LE -t UTF-8 "$1" 2>/dev/null | grep -qa 'rozpoznik\.exe'
}

# sprawdz_instalacje BRANCH FOLDER MENU VERSION FILES: the installed files are those of FILES,
# the menu holds the shortcut, the branch the entry in the list of installed programs.
sprawdz_instalacje() {
  local galaz=$1 folder=$2 menu=$3 wersja_wpisu=$4 zrodlo=$5 plik
  for plik in rozpoznik.exe rozpoznik-cli.exe readme.txt licencja.txt; do
    cmp -s "$zrodlo/$plik" "$folder/$plik" || nie "$folder/$plik differs from the release's"
  done
  [ -f "$folder/odinstaluj.exe" ] || nie "no uninstaller in $folder"
  [ "$(ls -A "$folder" | wc -l)" -eq 5 ] || nie "$folder holds more than it should: $(ls -A "$folder")"
  [ -f "$menu/Rozpoznik.lnk" ] || nie "no Start menu shortcut in $menu"
  prowadzi_do_programu "$menu/Rozpoznik.lnk" || nie "the shortcut does not start rozpoznik.exe"
  [ -f "$wyslij_do/Rozpoznik.lnk" ] || nie "no Send To shortcut in $wyslij_do"
  prowadzi_do_programu "$wyslij_do/Rozpoznik.lnk" || nie "the Send To shortcut does not start rozpoznik.exe"

  [ "$(wartosc "$galaz" DisplayName)" = Rozpoznik ] || nie "DisplayName: $(wartosc "$galaz" DisplayName)"
  [ "$(wartosc "$galaz" DisplayVersion)" = "$wersja_wpisu" ] ||
    nie "DisplayVersion: $(wartosc "$galaz" DisplayVersion), not $wersja_wpisu"
  wartosc "$galaz" Publisher >/dev/null || nie "no Publisher"
  local windows_folder
  windows_folder=$(wartosc "$galaz" InstallLocation) || nie "no InstallLocation"
  [ "$(sciezka "$windows_folder")" = "$folder" ] || nie "InstallLocation $windows_folder is not $folder"
  [ "$(wartosc "$galaz" DisplayIcon)" = "$windows_folder\\rozpoznik.exe,0" ] ||
    nie "DisplayIcon: $(wartosc "$galaz" DisplayIcon)"
  [[ $(wartosc "$galaz" UninstallString) == "\"$windows_folder\\odinstaluj.exe\" /"* ]] ||
    nie "UninstallString: $(wartosc "$galaz" UninstallString)"

  [ "$(wartosc_czasownika "$galaz" "" /ve)" = "Rozpoznaj w Rozpozniku" ] ||
    nie "the verb reads: $(wartosc_czasownika "$galaz" "" /ve)"
  [ "$(wartosc_czasownika "$galaz" "" /v Icon)" = "$windows_folder\\rozpoznik.exe,0" ] ||
    nie "the verb's icon: $(wartosc_czasownika "$galaz" "" /v Icon)"
  [ "$(wartosc_czasownika "$galaz" '\command' /ve)" = "\"$windows_folder\\rozpoznik.exe\" \"%1\"" ] ||
    nie "the verb runs: $(wartosc_czasownika "$galaz" '\command' /ve)"
  # One verb of ours, also after an upgrade.
  [ "$("$wine" reg query "$galaz\\$polecenia" /s 2>/dev/null | tr -d '\r' | grep -c 'rozpoznik\.exe" "%1"')" -eq 1 ] ||
    nie "not exactly one verb starts rozpoznik.exe"
  # KiB, as the list of programs shows it: at least the two programs, at most twice all files.
  local rozmiar najmniej najwiecej
  rozmiar=$(($(wartosc "$galaz" EstimatedSize)))
  najmniej=$((($(stat -c %s "$zrodlo/rozpoznik.exe") + $(stat -c %s "$zrodlo/rozpoznik-cli.exe")) / 1024))
  najwiecej=$((2 * $(du -sk "$folder" | cut -f1)))
  [ "$rozmiar" -ge "$najmniej" ] && [ "$rozmiar" -le "$najwiecej" ] ||
    nie "EstimatedSize $rozmiar KiB is not between $najmniej and $najwiecej"
}

# sprawdz_usuniecie FOLDER MENU: nothing of the install is left.
sprawdz_usuniecie() {
  [ ! -e "$1" ] || nie "the uninstaller left $1: $(ls -A "$1")"
  [ ! -e "$2/Rozpoznik.lnk" ] || nie "the uninstaller left the shortcut in $2"
  [ ! -e "$wyslij_do/Rozpoznik.lnk" ] || nie "the uninstaller left the Send To shortcut"
  brak_klucza HKCU
  brak_klucza HKLM
}

echo "== for the current user"
"$wine" "$instalator" /S
folder=$lokalne/Programs/Rozpoznik
sprawdz_instalacje HKCU "$folder" "$menu_uzytkownika" "$wersja" "$pliki"
brak_klucza HKLM
[ ! -e "$program_files/Rozpoznik" ] || nie "a current-user install wrote to Program Files"

# The window counts as started when it shows and the program is still running a moment later.
"$wine" "$folder/rozpoznik.exe" &
okno=$!
timeout 60 xdotool search --sync --onlyvisible --name "^Rozpoznik wersja $wersja\$" >/dev/null ||
  nie "the installed rozpoznik.exe showed no window"
sleep 1
kill -0 "$okno" 2>/dev/null || nie "rozpoznik.exe ended after showing its window"
kill "$okno"
wait "$okno" || true

# The verb on a file whose name has a space and Polish letters: the window shows that file and
# what it is, as rozpoznik-cli says. Wine reads the names and arguments as UTF-8.
pliki_testowe=$roboczy/pliki
mkdir -p "$pliki_testowe"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' >"$pliki_testowe/zażółć gęślą.png"
plik_windows=$(LC_ALL=C.UTF-8 "$wine" winepath -w "$pliki_testowe/zażółć gęślą.png" | tr -d '\r')
typ=$(LC_ALL=C.UTF-8 "$wine" "$folder/rozpoznik-cli.exe" --json "$plik_windows" | tr -d '\r' |
  sed -n 's/.*"candidates":\[{"extension":"[^"]*","type":"\([^"]*\)".*/\1/p')
[ -n "$typ" ] || nie "rozpoznik-cli.exe found no type for the test file"
pokazane=$(LC_ALL=C.UTF-8 "$wine" "$czasownik" HKCU "$plik_windows" | tr -d '\r') ||
  nie "the verb's program did not show its window or end well: $pokazane"
[ "$pokazane" = "$plik_windows"$'\n'"$typ" ] ||
  nie "the verb's window shows: $pokazane; expected $plik_windows and $typ"

# A file of the user's own stays, and so does the folder that holds it.
echo moje >"$folder/moje.txt"
odinstaluj HKCU
[ "$(ls -A "$folder")" = moje.txt ] || nie "the uninstaller left or took more than its own: $(ls -A "$folder")"
rm -r "$folder"
sprawdz_usuniecie "$folder" "$menu_uzytkownika"

echo "== for all users"
"$wine" "$instalator" /S /AllUsers
folder=$program_files/Rozpoznik
sprawdz_instalacje HKLM "$folder" "$menu_wszystkich" "$wersja" "$pliki"
brak_klucza HKCU
odinstaluj HKLM
sprawdz_usuniecie "$folder" "$menu_wszystkich"

echo "== upgrade over an older version"
# The older version's window is the command-line program, so that the upgrade must replace it.
stara_wersja=1.3.9
"${polecenie_wydania[@]}" -DPROGRAM="$pliki/rozpoznik-cli.exe" -DWERSJA=$stara_wersja \
  -DWYNIK="$roboczy/stara" -P "$skrypt" >/dev/null
# NSIS takes /D= only unquoted, and Wine would quote a path with a space.
"$wine" "$roboczy/stara/Rozpoznik-$stara_wersja-setup.exe" /S '/D=C:\Inny\Rozpoznik'
folder=$(sciezka 'C:\Inny\Rozpoznik')
sprawdz_instalacje HKCU "$folder" "$menu_uzytkownika" $stara_wersja "$roboczy/stara/pliki-$stara_wersja"
"$wine" "$instalator" /S
sprawdz_instalacje HKCU "$folder" "$menu_uzytkownika" "$wersja" "$pliki"
[ ! -e "$lokalne/Programs/Rozpoznik" ] || nie "the upgrade installed beside the older version"
odinstaluj HKCU
sprawdz_usuniecie "$folder" "$menu_uzytkownika"
rmdir "$(dirname "$folder")"
# The user's Programs folder is Windows' own (FOLDERID_UserProgramFiles); a bare Wine set-up
# lacks it until the first install makes it, and it stays, empty.
rmdir "$lokalne/Programs"

po=$(stan)
[ "$przed" = "$po" ] || nie "the set-up differs from before the installs: $(diff <(echo "$przed") <(echo "$po"))"
echo "installer $instalator: checked"

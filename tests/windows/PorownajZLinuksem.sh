#!/usr/bin/env bash
# PorownajZLinuksem.sh FOLDER LINUX_CLI WINDOWS_CLI...
# The Windows build, run over a folder of mixed files, must give every file the same key, size
# and candidates as the Linux build. WINDOWS_CLI is the command that runs rozpoznik-cli.exe
# (under Wine); paths differ only in their separators.
set -euo pipefail
folder=$1
linux=$2
shift 2

rm -rf "$folder"
mkdir -p "$folder/zestaw/podfolder" "$folder/zestaw/żółć" "$folder/zestaw/文件"
cd "$folder"
# Only names that Windows can hold too: a name ending in a dot or a space is cut by Windows.
z=zestaw
printf 'PK\003\004\024\000\000\000\010\000' >$z/archiwum.zip
printf 'PK\003\004\024\000\000\000\010\000' >$z/archiwum.dat
printf 'PK\003\004\024\000\000\000\010\000' >$z/podfolder/ARCHIWUM.JAR
printf 'GIF89a\001\000\001\000' >$z/obrazek.gif
printf '\211PNG\r\n\032\n\000\000\000\rIHDR' >$z/żółć/zdjęcie.png
printf '%%PDF-1.4\n%%\342\343\317\323\n' >$z/文件/文档.pdf
printf 'MZ\220\000\003\000\000\000' >$z/program.exe
printf '\177ELF\002\001\001\000' >$z/program
printf '\037\213\010\000\000\000\000\000' >$z/dane.tar.gz
printf '\037\213\010\010\000\000\000\000' >$z/nazwa.gz
printf '/* komentarz */\nint main() {}\n' >$z/zrodlo.txt
printf '/*\r\n' >$z/zrodlo.cpp
printf 'Zwykły tekst, zażółć gęślą jaźń.\r\n' >$z/notatka.txt
printf 'demo\n' >$z/nagranie.dem
printf 'Options -Indexes\n' >$z/.htaccess
printf '\377\376Z\000a\000' >$z/utf16.txt
printf '\001\002\003\004\005\006\007\010\011\012\013' >$z/nieznany.bin
printf '' >$z/pusty
head -c 5000 /dev/zero | tr '\0' 'a' >$z/duzy.txt
printf 'x\033' >>$z/duzy.txt

set +e
"$linux" --json -r "$z" >linux.json
kod_linux=$?
"$@" --json -r "$z" >windows.json
kod_windows=$?
set -e

# JSON writes a backslash as two.
sed 's|\\\\|/|g' windows.json >windows-ukosniki.json
if ! diff -u linux.json windows-ukosniki.json; then
  echo "the Windows build differs from the Linux build" >&2
  exit 1
fi
if [ "$kod_linux" != "$kod_windows" ]; then
  echo "exit codes differ: Linux $kod_linux, Windows $kod_windows" >&2
  exit 1
fi
pliki=$(wc -l <linux.json)
if [ "$pliki" -ne "$(find "$z" -type f | wc -l)" ]; then
  echo "not every file was identified: $pliki lines" >&2
  exit 1
fi
echo "$pliki files, the same candidates"

#!/usr/bin/env bash
# Makes a labelled corpus of real files with Debian's own tools: office documents, media, images,
# archives, disk images, programs, keys and text. Each file is written under its proper name to
# KORPUS/pliki/<label>/ and listed in KORPUS/manifest.tsv as "label<TAB>path"; the labels are the
# rows of bench/korpus/formaty.tsv, which say what answers count as right. npm's file-type goes
# into KORPUS/file-type/ for bench/korpus/ocen.py to compare with.
#
#   bench/korpus/zrob_korpus.sh [KORPUS]      (default /tmp/rozpoznik-korpus; emptied first)
set -uo pipefail

korpus=$(realpath -m "${1:-/tmp/rozpoznik-korpus}")
tu=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

pakiety=(
  libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui libreoffice-draw-nogui
  pandoc ffmpeg sox imagemagick ghostscript groff gcc clang gcc-mingw-w64-x86-64
  gcc-mingw-w64-i686 nsis mono-mcs wixl msitools
  default-jdk-headless python3 file nodejs zip p7zip-full xz-utils zstd lz4 lzop lrzip arj cpio
  ncompress bzip2 lzip xorriso genisoimage mtools dosfstools e2fsprogs qemu-utils gnupg openssl
  udftools btrfs-progs fdisk gdisk hdf5-tools dcmtk
  openssh-client sqlite3 git gettext ncurses-bin dpkg-dev fonts-dejavu-core binutils
)
brakujace=()
for p in "${pakiety[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brakujace+=("$p")
done
command -v npm > /dev/null || brakujace+=(npm)
if [ ${#brakujace[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
    "${brakujace[@]}"
fi

rm -rf "$korpus"
mkdir -p "$korpus/pliki" "$korpus/robocze"
robocze="$korpus/robocze"
manifest="$korpus/manifest.tsv"
: > "$manifest"
bledy="$korpus/bledy.log"
: > "$bledy"
cd "$robocze" || exit 1

# dodaj LABEL FILE [NAME]: moves FILE into the corpus under NAME (its own name by default). A step
# whose tool failed leaves no file, and the log says which.
dodaj() {
  local etykieta=$1 zrodlo=$2 nazwa=${3:-$(basename "$2")}
  if [ ! -s "$zrodlo" ] && [ "$etykieta" != pusty ]; then
    echo "brak: $etykieta $zrodlo" >> "$bledy"
    return
  fi
  mkdir -p "$korpus/pliki/$etykieta"
  mv -f "$zrodlo" "$korpus/pliki/$etykieta/$nazwa"
  printf '%s\tpliki/%s/%s\n' "$etykieta" "$etykieta" "$nazwa" >> "$manifest"
}
# cicho COMMAND...: runs a tool, its chatter to the log.
cicho() { "$@" >> "$bledy" 2>&1 || echo "nie powiodło się: $*" >> "$bledy"; }

# --- Sources: two of each kind, so that no format rests on one file.
convert -size 96x64 gradient:navy-gold zrodlo1.png
convert rose: -resize 120x90 zrodlo2.png
cat > tekst1.txt << 'EOF'
Rozpoznik test document
Zażółć gęślą jaźń.
The quick brown fox jumps over the lazy dog.
EOF
seq 1 200 | sed 's/^/Wiersz numer /' > tekst2.txt
cat > dok1.md << 'EOF'
# Raport kwartalny

Sprzedaż wzrosła o **12 %**. Zobacz [stronę](http://example.org/).

- pierwszy punkt
- drugi punkt

| Kolumna | Wartość |
|---|---|
| a | 1 |
EOF
cat > dok2.md << 'EOF'
# Notatki ze spotkania

Uczestnicy: Anna, Piotr.

## Ustalenia

1. Termin: piątek.
2. Budżet bez zmian.
EOF
cat > arkusz1.csv << 'EOF'
Produkt,Ilość,Cena
Jabłka,10,2.50
Gruszki,4,3.10
EOF
printf 'rok;wartosc\n2020;1\n2021;2\n2022;3\n' > arkusz2.csv

# --- Office documents: one LibreOffice call per target format.
mkdir -p lo
for n in 1 2; do pandoc "dok$n.md" -o "lo/dok$n.odt"; cp "arkusz$n.csv" "lo/arkusz$n.csv"; done
cicho pandoc dok1.md -t pptx -o lo/prez1.pptx
cicho pandoc dok2.md -t pptx -o lo/prez2.pptx
lo_konwertuj() {  # FILTER OUTDIR FILES...
  local filtr=$1 cel=$2
  shift 2
  mkdir -p "$cel"
  cicho timeout 300 soffice --headless --norestore -env:UserInstallation=file://"$robocze"/lo-profil \
    --convert-to "$filtr" --outdir "$cel" "$@"
}
lo_konwertuj doc lo/doc lo/dok1.odt lo/dok2.odt
lo_konwertuj docx lo/docx lo/dok1.odt lo/dok2.odt
lo_konwertuj rtf lo/rtf lo/dok1.odt lo/dok2.odt
lo_konwertuj pdf lo/pdf lo/dok1.odt lo/dok2.odt
lo_konwertuj xls lo/xls lo/arkusz1.csv lo/arkusz2.csv
lo_konwertuj xlsx lo/xlsx lo/arkusz1.csv lo/arkusz2.csv
lo_konwertuj ods lo/ods lo/arkusz1.csv lo/arkusz2.csv
lo_konwertuj odp lo/odp lo/prez1.pptx lo/prez2.pptx
lo_konwertuj ppt lo/ppt lo/prez1.pptx lo/prez2.pptx
lo_konwertuj "pptx:Impress MS PowerPoint 2007 XML" lo/pptx lo/prez1.pptx lo/prez2.pptx
lo_konwertuj odg lo/odg zrodlo1.png zrodlo2.png
lo_konwertuj svg lo/svg lo/odg/zrodlo1.odg lo/odg/zrodlo2.odg
for n in 1 2; do
  dodaj ODT "lo/dok$n.odt"
  dodaj DOC "lo/doc/dok$n.doc"
  dodaj DOCX "lo/docx/dok$n.docx"
  dodaj RTF "lo/rtf/dok$n.rtf"
  dodaj PDF "lo/pdf/dok$n.pdf"
  dodaj XLS "lo/xls/arkusz$n.xls"
  dodaj XLSX "lo/xlsx/arkusz$n.xlsx"
  dodaj ODS "lo/ods/arkusz$n.ods"
  dodaj ODP "lo/odp/prez$n.odp"
  dodaj PPT "lo/ppt/prez$n.ppt"
  dodaj PPTX "lo/pptx/prez$n.pptx"
  dodaj PPTX "lo/prez$n.pptx" "pandoc$n.pptx"
  dodaj ODG "lo/odg/zrodlo$n.odg"
  dodaj SVG "lo/svg/zrodlo$n.svg"
done

# --- Pandoc's documents and markup.
for n in 1 2; do
  cicho pandoc "dok$n.md" -o "pandoc$n.docx"
  dodaj DOCX "pandoc$n.docx"
  cicho pandoc "dok$n.md" -o "ksiazka$n.epub" --metadata title="Test $n"
  dodaj EPUB "ksiazka$n.epub"
  cicho pandoc -s "dok$n.md" -o "strona$n.html" --metadata title="Test $n"
  dodaj HTML "strona$n.html"
  cicho pandoc -s "dok$n.md" -o "dok$n.tex"
  dodaj TEX "dok$n.tex"
  cicho pandoc "dok$n.md" -t rst -o "dok$n.rst"
  dodaj RST "dok$n.rst"
  cicho pandoc -s "dok$n.md" -t man -o "strona$n.1"
  dodaj MAN "strona$n.1"
  cicho pandoc "dok$n.md" -t org -o "dok$n.org"
  dodaj ORG "dok$n.org"
  cicho pandoc -s "dok$n.md" -t rtf -o "pandoc$n.rtf"
  dodaj RTF "pandoc$n.rtf"
  cicho pandoc "dok$n.md" -t json -o "dok$n.json"
  dodaj JSON "dok$n.json"
  cicho pandoc "dok$n.md" -t docbook -o "dok$n.xml"
  dodaj XML "dok$n.xml"
  cp "dok$n.md" "README$n.md"
  dodaj MD "README$n.md"
done

# --- Images, from ImageMagick. It writes an icon under .cur and PNG under .exr and .svg (no
# delegate for them here), so those are left out; SVG comes from LibreOffice above.
for n in 1 2; do
  src=zrodlo$n.png
  for f in png jpg gif bmp tiff webp pcx tga xwd sgi sun pbm pgm ppm pam pfm xbm xpm psd psb \
           miff dpx fits jbig wbmp jp2 heic avif ico dds viff hdr mng otb palm pict; do
    cicho convert "$src" "obraz$n.$f"
  done
  for f in png jpg gif bmp tiff webp pcx tga xwd sgi sun pbm pgm ppm pam pfm xbm xpm psd psb \
           miff dpx fits jbig wbmp jp2 heic avif ico dds viff hdr mng otb palm pict; do
    dodaj "${f^^}" "obraz$n.$f"
  done
  cicho convert "$src" -compress none "ascii$n.ppm"
  dodaj PPM "ascii$n.ppm"
  cicho convert "$src" -monochrome -compress none "ascii$n.pbm"
  dodaj PBM "ascii$n.pbm"
done
# ImageMagick's policy forbids writing PostScript; Ghostscript writes it from a small program.
for n in 1 2; do
  printf '%%!PS\n/Helvetica findfont %d scalefont setfont 72 720 moveto (Rozpoznik %d) show showpage\n' \
    $((10 * n + 10)) "$n" > "rys$n.ps"
  cicho gs -q -dNOPAUSE -dBATCH -sDEVICE=eps2write -sOutputFile="rys$n.eps" "rys$n.ps"
  dodaj EPS "rys$n.eps"
  cicho gs -q -dNOPAUSE -dBATCH -sDEVICE=ps2write -sOutputFile="gs$n.ps" "rys$n.ps"
  dodaj PS "gs$n.ps"
done
cicho gs -q -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile=gs1.pdf -c "/Helvetica findfont 20 scalefont setfont 72 720 moveto (Rozpoznik) show showpage"
dodaj PDF gs1.pdf
for n in 1 2; do
  pandoc -s "dok$n.md" -t man | groff -man -Tps > "groff$n.ps" 2>> "$bledy"
  dodaj PS "groff$n.ps"
done

# --- Sound and film: ffmpeg's test sources, a few seconds each.
cicho ffmpeg -nostdin -loglevel error -f lavfi -i "sine=frequency=440:duration=2" -ac 2 ton1.wav
cicho ffmpeg -nostdin -loglevel error -f lavfi -i "anoisesrc=d=2:c=pink:a=0.3" -ac 1 -ar 22050 ton2.wav
cicho ffmpeg -nostdin -loglevel error -f lavfi -i "testsrc=duration=2:size=160x120:rate=25" -pix_fmt yuv420p wideo1.y4m
cicho ffmpeg -nostdin -loglevel error -f lavfi -i "smptebars=duration=2:size=176x144:rate=25" -pix_fmt yuv420p wideo2.y4m
audio() {  # LABEL EXT [ffmpeg options]
  local etykieta=$1 ext=$2
  shift 2
  for n in 1 2; do
    cicho ffmpeg -nostdin -loglevel error -i "ton$n.wav" "$@" "dzwiek$n.$ext"
    dodaj "$etykieta" "dzwiek$n.$ext"
  done
}
wideo() {  # LABEL EXT [ffmpeg options]
  local etykieta=$1 ext=$2
  shift 2
  for n in 1 2; do
    cicho ffmpeg -nostdin -loglevel error -i "wideo$n.y4m" -i "ton$n.wav" -shortest "$@" "film$n.$ext"
    dodaj "$etykieta" "film$n.$ext"
  done
}
audio WAV wav
audio MP3 mp3
# A long ID3v2 tag before the first frame, and the same tag before FLAC and Ogg, as taggers leave
# them.
for n in 1 2; do
  cicho ffmpeg -nostdin -loglevel error -i "ton$n.wav" -id3v2_version 3 \
    -metadata title="$(head -c $((n * 3000)) /dev/zero | tr '\0' 'x')" "znacznik$n.mp3"
  # The tag alone, for FLAC and Ogg below: its header and the size its header gives.
  [ -f "znacznik$n.mp3" ] && head -c "$(python3 -c 'import sys; b = open(sys.argv[1], "rb").read(10); print(10 + (b[6] << 21 | b[7] << 14 | b[8] << 7 | b[9]))' "znacznik$n.mp3")" "znacznik$n.mp3" > "znacznik$n.id3"
  dodaj MP3 "znacznik$n.mp3"
done
audio MP2 mp2
audio AAC aac
audio M4A m4a
audio AC3 ac3
audio FLAC flac
audio OGG ogg -c:a libvorbis
# The tag of the MP3s above before FLAC and Ogg.
for n in 1 2; do
  cicho ffmpeg -nostdin -loglevel error -i "ton$n.wav" "czysty$n.flac"
  cicho ffmpeg -nostdin -loglevel error -i "ton$n.wav" -c:a libvorbis "czysty$n.ogg"
  if [ -s "znacznik$n.id3" ] && [ -f "czysty$n.flac" ] && [ -f "czysty$n.ogg" ]; then
    cat "znacznik$n.id3" "czysty$n.flac" > "znacznik$n.flac"
    cat "znacznik$n.id3" "czysty$n.ogg" > "znacznik$n.ogg"
    dodaj FLAC "znacznik$n.flac"
    dodaj OGG "znacznik$n.ogg"
  fi
done
audio OPUS opus
audio AIFF aiff
audio AU au
audio WMA wma
audio MKA mka
audio CAF caf
audio WV wv
audio TTA tta
audio VOC voc
audio W64 w64
audio SPX spx -c:a libspeex -ar 16000
wideo MP4 mp4
wideo MKV mkv
wideo WEBM webm
wideo AVI avi
wideo MOV mov
wideo FLV flv
wideo MPG mpg
wideo VOB vob -target pal-dvd -s 720x576
wideo TS ts
wideo M2TS m2ts
wideo 3GP 3gp -s 176x144 -c:a aac
wideo 3G2 3g2 -s 176x144 -c:a aac
wideo M4V m4v -an
wideo WMV wmv
wideo OGV ogv -c:v libtheora -c:a libvorbis
wideo SWF swf -c:a mp3 -ar 22050
wideo MXF mxf -c:v mpeg2video -ar 48000
wideo NUT nut
for n in 1 2; do
  cicho ffmpeg -nostdin -loglevel error -i "wideo$n.y4m" "anim$n.gif"
  dodaj GIF "anim$n.gif"
  dodaj Y4M "wideo$n.y4m"
  cicho sox "ton$n.wav" "sox$n.aifc"
  dodaj AIFC "sox$n.aifc"
  cicho sox "ton$n.wav" "sox$n.8svx"
  dodaj 8SVX "sox$n.8svx"
  cicho sox "ton$n.wav" "sox$n.voc"
  dodaj VOC "sox$n.voc"
  cicho sox "ton$n.wav" "sox$n.au"
  dodaj AU "sox$n.au"
  cicho sox "ton$n.wav" "sox$n.aiff"
  dodaj AIFF "sox$n.aiff"
  cicho sox "ton$n.wav" "sox$n.sph"
  dodaj SPH "sox$n.sph"
  cicho sox "ton$n.wav" "sox$n.avr"
  dodaj AVR "sox$n.avr"
done
for n in 1 2; do
  printf '1\n00:00:0%d,000 --> 00:00:0%d,500\nNapis numer %d\n\n2\n00:00:05,000 --> 00:00:06,000\nKoniec\n' \
    "$n" "$n" "$n" > "napisy$n.srt"
  cicho ffmpeg -nostdin -loglevel error -i "napisy$n.srt" "napisy$n.ass"
  dodaj ASS "napisy$n.ass"
  cicho ffmpeg -nostdin -loglevel error -i "napisy$n.srt" "napisy$n.vtt"
  dodaj VTT "napisy$n.vtt"
  dodaj SRT "napisy$n.srt"
done

# --- Archives and compressed files.
mkdir -p drzewo/a drzewo/b
cp tekst1.txt dok1.md drzewo/a/
cp zrodlo2.png arkusz1.csv drzewo/b/
for n in 1 2; do
  src=$([ $n = 1 ] && echo tekst2.txt || echo zrodlo1.png)
  cicho zip -q -r "arch$n.zip" drzewo "$src"
  dodaj ZIP "arch$n.zip"
  cicho 7z a -bd "arch$n.7z" drzewo "$src"
  dodaj 7Z "arch$n.7z"
  cicho tar -cf "arch$n.tar" drzewo "$src"
  cicho tar --format=gnu -cf "gnu$n.tar" drzewo "$src"
  gzip -c "arch$n.tar" > "arch$n.tar.gz"
  gzip -c "arch$n.tar" > "arch$n.tgz"
  bzip2 -c "arch$n.tar" > "arch$n.tar.bz2"
  xz -c "arch$n.tar" > "arch$n.tar.xz"
  zstd -q -c "arch$n.tar" > "arch$n.tar.zst"
  dodaj TAR "arch$n.tar"
  dodaj TAR "gnu$n.tar"
  dodaj TGZ "arch$n.tar.gz"
  dodaj TGZ "arch$n.tgz"
  dodaj BZ2 "arch$n.tar.bz2"
  dodaj XZ "arch$n.tar.xz"
  dodaj ZST "arch$n.tar.zst"
  gzip -c "$src" > "plik$n.gz"
  gzip -9 -n -c "$src" > "bezimienny$n.gz"
  dodaj GZ "plik$n.gz"
  dodaj GZ "bezimienny$n.gz"
  bzip2 -c "$src" > "plik$n.bz2"
  dodaj BZ2 "plik$n.bz2"
  xz -c "$src" > "plik$n.xz"
  dodaj XZ "plik$n.xz"
  xz --format=lzma -c "$src" > "plik$n.lzma"
  xz --format=lzma --lzma1=preset=0,dict=64KiB -c "$src" > "maly$n.lzma"
  dodaj LZMA "plik$n.lzma"
  dodaj LZMA "maly$n.lzma"
  zstd -q -c "$src" > "plik$n.zst"
  dodaj ZST "plik$n.zst"
  lz4 -q -c "$src" > "plik$n.lz4"
  dodaj LZ4 "plik$n.lz4"
  lzop -c "$src" > "plik$n.lzo"
  dodaj LZO "plik$n.lzo"
  lzip -c "$src" > "plik$n.lz"
  dodaj LZ "plik$n.lz"
  cicho lrzip -q -f -o "plik$n.lrz" "$src"
  dodaj LRZ "plik$n.lrz"
  compress -c "$src" > "plik$n.Z"
  compress -b12 -c "$src" > "b12_$n.Z"
  dodaj Z "plik$n.Z"
  dodaj Z "b12_$n.Z"
  cicho arj a -y "arch$n.arj" "$src" tekst1.txt
  dodaj ARJ "arch$n.arj"
  printf '%s\n' "$src" tekst1.txt | cpio --quiet -o -H newc > "newc$n.cpio"
  printf '%s\n' "$src" tekst1.txt | cpio --quiet -o -H odc > "odc$n.cpio"
  printf '%s\n' "$src" tekst1.txt | cpio --quiet -o -H bin > "bin$n.cpio"
  dodaj CPIO "newc$n.cpio"
  dodaj CPIO "odc$n.cpio"
  dodaj CPIO "bin$n.cpio"
  cicho ar rc "arch$n.a" "$src" tekst1.txt
  dodaj AR "arch$n.a"
  cicho jar cf "arch$n.jar" -C drzewo .
  dodaj JAR "arch$n.jar"
done

# --- Disk images.
for n in 1 2; do
  cicho genisoimage -quiet -R -J -V "KORPUS$n" -o "plyta$n.iso" drzewo
  dodaj ISO "plyta$n.iso"
  cicho mkfs.fat -C "fat$n.img" $((n * 1440))
  dodaj FAT "fat$n.img"
  cicho mkfs.ext4 -q -F "ext$n.img" 2M
  dodaj EXT4 "ext$n.img"
  cicho qemu-img create -q -f qcow2 "dysk$n.qcow2" "${n}0M"
  dodaj QCOW2 "dysk$n.qcow2"
  cicho qemu-img create -q -f qcow "dysk$n.qcow" "${n}0M"
  dodaj QCOW "dysk$n.qcow"
  cicho qemu-img create -q -f vdi "dysk$n.vdi" "${n}0M"
  dodaj VDI "dysk$n.vdi"
  cicho qemu-img create -q -f vmdk "dysk$n.vmdk" "${n}0M"
  dodaj VMDK "dysk$n.vmdk"
  cicho qemu-img create -q -f vhdx "dysk$n.vhdx" "${n}0M"
  dodaj VHDX "dysk$n.vhdx"
  cicho qemu-img create -q -f vpc -o subformat=fixed "dysk$n.vhd" "${n}0M"
  dodaj VHD "dysk$n.vhd"
  cicho qemu-img create -q -f vpc "dynamiczny$n.vhd" "${n}0M"
  dodaj VHD "dynamiczny$n.vhd"
  # Marks past the first 80 bytes: a UDF disc and an ISO 9660 one with UDF beside it, ext2 and
  # ext3 beside ext4, Btrfs (at least 114 MiB), FAT32, empty MBR and GPT disks.
  truncate -s $((n * 1024))K "udf$n.iso"
  cicho mkudffs "udf$n.iso"
  dodaj UDF "udf$n.iso"
  cicho genisoimage -quiet -udf -o "most$n.iso" drzewo
  dodaj ISO "most$n.iso"
  cicho mkfs.ext2 -q -F "ext2_$n.img" 2M
  dodaj EXT2 "ext2_$n.img"
  cicho mkfs.ext3 -q -F "ext3_$n.img" 4M
  dodaj EXT3 "ext3_$n.img"
  truncate -s 120M "btrfs$n.img"
  cicho mkfs.btrfs -q "btrfs$n.img"
  dodaj BTRFS "btrfs$n.img"
  cicho mkfs.fat -C -F 32 "fat32_$n.img" $((n * 40960))
  dodaj FAT "fat32_$n.img"
  truncate -s $((n * 2))M "mbr$n.img"
  echo 'start=2048, type=83' | cicho sfdisk -q "mbr$n.img"
  dodaj MBR "mbr$n.img"
  truncate -s $((n * 2))M "gpt$n.img"
  cicho sgdisk -o -n 1:2048:0 "gpt$n.img"
  dodaj GPT "gpt$n.img"
done

# --- Programs and compiled code.
cat > prog1.c << 'EOF'
#include <stdio.h>
int main(void) { puts("Rozpoznik"); return 0; }
EOF
cat > prog2.c << 'EOF'
#include <stdlib.h>
int dodaj(int a, int b) { return a + b; }
int main(int argc, char **argv) { return dodaj(argc, argv[0] != NULL); }
EOF
cat > Klasa1.java << 'EOF'
public class Klasa1 { public static void main(String[] a) { System.out.println("x"); } }
EOF
cat > Klasa2.java << 'EOF'
public class Klasa2 { int pole = 7; int metoda() { return pole * 2; } }
EOF
for n in 1 2; do
  kompilator=$([ $n = 1 ] && echo gcc || echo clang)
  cicho $kompilator -O1 -o "prog$n" "prog$n.c"
  dodaj ELF "prog$n"
  cicho $kompilator -O1 -no-pie -o "prog_nopie$n" "prog$n.c"
  dodaj ELF "prog_nopie$n"
  cicho $kompilator -c -o "prog$n.o" "prog$n.c"
  dodaj ELFO "prog$n.o"
  cicho $kompilator -shared -fPIC -o "libprog$n.so" "prog$n.c"
  dodaj ELFSO "libprog$n.so"
  cicho x86_64-w64-mingw32-gcc -o "prog$n.exe" "prog$n.c"
  dodaj EXE "prog$n.exe"
  cicho x86_64-w64-mingw32-gcc -shared -o "prog$n.dll" "prog$n.c"
  dodaj DLL "prog$n.dll"
  cicho clang -c -emit-llvm -o "prog$n.bc" "prog$n.c"
  dodaj BC "prog$n.bc"
  cicho javac -d . "Klasa$n.java"
  dodaj CLASS "Klasa$n.class"
  cp "prog$n.c" "zrodlo$n.c"
  dodaj C "zrodlo$n.c"
  dodaj JAVA "Klasa$n.java"
  cicho gcc -S -o "prog$n.s" "prog$n.c"
  dodaj ASM "prog$n.s"
done
printf 'import sys\nprint(sys.argv)\n' > modul1.py
printf '"""Moduł."""\n\ndef f(x):\n    return x * 2\n' > modul2.py
printf '#!/bin/sh\necho "%s"\n' Rozpoznik > skrypt1.sh
printf '#!/usr/bin/env bash\nset -e\nls -l\n' > skrypt2.sh
for n in 1 2; do
  /usr/bin/python3 -c "import py_compile; py_compile.compile('modul$n.py', cfile='modul$n.pyc')"
  dodaj PYC "modul$n.pyc"
  dodaj PY "modul$n.py"
  dodaj SH "skrypt$n.sh"
  /usr/bin/python3 -c "import pickle; pickle.dump({'a': [1, 2, $n], 'b': 'x'}, open('dane$n.pkl', 'wb'), protocol=$((n + 2)))"
  dodaj PICKLE "dane$n.pkl"
  sqlite3 "baza$n.sqlite" "create table t(a, b); insert into t values ($n, 'x');"
  dodaj SQLITE "baza$n.sqlite"
done

# --- Windows programs, installers and containers that only their own structures name.
source "$tu/kontenery.sh"

# --- Keys, certificates and signatures.
export GNUPGHOME="$robocze/gnupg"
mkdir -p -m 700 "$GNUPGHOME"
cicho gpg --batch --pinentry-mode loopback --passphrase '' --quick-gen-key "Test Rozpoznik <t@example.org>" ed25519 sign never
for n in 1 2; do
  cicho openssl req -x509 -newkey rsa:2048 -nodes -keyout "klucz$n.pem" -out "cert$n.pem" -days 1 -subj "/CN=test$n"
  cicho openssl x509 -in "cert$n.pem" -outform DER -out "cert$n.der"
  cicho openssl x509 -in "cert$n.pem" -outform DER -out "cert$n.cer"
  cicho openssl pkcs12 -export -passout pass:x -inkey "klucz$n.pem" -in "cert$n.pem" -out "cert$n.p12"
  cicho openssl req -new -key "klucz$n.pem" -subj "/CN=req$n" -out "zadanie$n.csr"
  cicho openssl rsa -in "klucz$n.pem" -traditional -out "rsa$n.key"
  cicho openssl ecparam -name prime256v1 -genkey -noout -out "ec$n.key"
  dodaj PEM "cert$n.pem"
  dodaj DER "cert$n.der"
  dodaj DER "cert$n.cer"
  dodaj P12 "cert$n.p12"
  dodaj CSR "zadanie$n.csr"
  dodaj KEY "klucz$n.pem" "pkcs8_$n.key"
  dodaj KEY "rsa$n.key"
  dodaj KEY "ec$n.key"
  cicho ssh-keygen -q -t ed25519 -N '' -C "t$n" -f "ssh$n"
  dodaj SSHKEY "ssh$n" "id_ed25519_$n"
  dodaj SSHPUB "ssh$n.pub" "id_ed25519_$n.pub"
  cicho gpg --batch --export --output "klucz$n.gpg"
  dodaj GPGKEY "klucz$n.gpg"
  cicho gpg --batch --armor --export --output "klucz$n.asc"
  dodaj ASCKEY "klucz$n.asc"
  cicho gpg --batch --pinentry-mode loopback --passphrase '' --detach-sign --output "tekst$n.sig" "tekst$n.txt"
  dodaj GPGSIG "tekst$n.sig"
  cicho gpg --batch --pinentry-mode loopback --passphrase "haslo$n" --symmetric --output "tajne$n.gpg" "tekst$n.txt"
  dodaj GPGMSG "tajne$n.gpg"
  cicho gpg --batch --pinentry-mode loopback --passphrase "haslo$n" --symmetric --armor --output "tajne$n.asc" "tekst$n.txt"
  dodaj ASCMSG "tajne$n.asc"
done

# --- Text and data of everyday kinds.
for n in 1 2; do
  dodaj CSV "arkusz$n.csv"
  cp "tekst$n.txt" "notatka$n.txt"
  dodaj TXT "notatka$n.txt"
done
printf '{"nazwa": "Rozpoznik", "wersja": 1}\n' > konfig1.json
printf '[1, 2, 3]\n' > lista2.json
dodaj JSON konfig1.json
dodaj JSON lista2.json
printf '[ogolne]\njezyk = pl\n' > ustawienia1.ini
printf '; komentarz\n[sekcja]\nklucz=wartosc\n' > ustawienia2.ini
dodaj INI ustawienia1.ini
dodaj INI ustawienia2.ini
printf 'nazwa: Rozpoznik\nwersje:\n  - 1\n  - 2\n' > konfig1.yaml
printf -- '---\nklucz: wartosc\n' > konfig2.yml
dodaj YAML konfig1.yaml
dodaj YAML konfig2.yml
printf '<?xml version="1.0" encoding="UTF-8"?>\n<lista><pozycja>1</pozycja></lista>\n' > dane1.xml
dodaj XML dane1.xml
printf 'body { color: #333; }\n' > styl1.css
printf '/* nagłówek */\nh1 { margin: 0; }\n' > styl2.css
dodaj CSS styl1.css
dodaj CSS styl2.css
printf 'const x = 1;\nconsole.log(x);\n' > kod1.js
printf '/* moduł */\nexport function f() { return 2; }\n' > kod2.js
dodaj JS kod1.js
dodaj JS kod2.js
for n in 1 2; do
  git -C "$robocze" init -q "repo$n"
  cp tekst1.txt dok1.md "repo$n/"
  git -C "repo$n" add . && git -C "repo$n" -c user.name=t -c user.email=t@e commit -q -m "start $n"
  cp "repo$n/.git/index" "index$n"
  dodaj GITINDEX "index$n" "index$n"
  cicho git -C "repo$n" bundle create "$robocze/repo$n.bundle" --all
  dodaj GITBUNDLE "repo$n.bundle"
  cicho git -C "repo$n" gc -q
  for f in "repo$n"/.git/objects/pack/*.pack; do dodaj GITPACK "$f" "paczka$n.pack"; done
  for f in "repo$n"/.git/objects/pack/*.idx; do dodaj GITIDX "$f" "paczka$n.idx"; done
done

# HDF5 behind a user block, as h5jam writes it.
printf '1 2 3 4\n' > dane_h5.txt
printf 'PATH /x\nINPUT-CLASS TEXTIN\nRANK 1\nDIMENSION-SIZES 4\n' > dane_h5.conf
cicho h5import dane_h5.txt -c dane_h5.conf -o dane.h5
for n in 1 2; do
  head -c $((n * 700)) /dev/zero | tr '\0' 'u' > "blok$n.txt"
  cicho h5jam -i dane.h5 -u "blok$n.txt" -o "blok$n.h5"
  dodaj H5 "blok$n.h5"
done

# DICOM: a JPEG wrapped by dcmtk, "DICM" behind its preamble of 128 bytes.
for n in 1 2; do
  cicho ffmpeg -nostdin -loglevel error -f lavfi -i "testsrc=size=$((n * 32))x32" -frames:v 1 "dicom$n.jpg"
  cicho img2dcm "dicom$n.jpg" "obraz$n.dcm"
  dodaj DCM "obraz$n.dcm"
done

# --- Files the system itself holds, made by its own tools.
for n in 1 2; do
  strefa=$([ $n = 1 ] && echo Europe/Warsaw || echo America/New_York)
  cp "/usr/share/zoneinfo/$strefa" "strefa$n"
  dodaj TZIF "strefa$n"
  printf 'msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\nmsgid "Yes"\nmsgstr "Tak%d"\n' "$n" > "tlum$n.po"
  cicho msgfmt -o "tlum$n.mo" "tlum$n.po"
  dodaj MO "tlum$n.mo"
  dodaj PO "tlum$n.po"
  font=$([ $n = 1 ] && echo DejaVuSans.ttf || echo DejaVuSerif.ttf)
  cp "/usr/share/fonts/truetype/dejavu/$font" "czcionka$n.ttf"
  dodaj TTF "czcionka$n.ttf"
  mkdir -p "deb$n/DEBIAN" "deb$n/usr/share/doc/korpus$n"
  printf 'Package: korpus%d\nVersion: 1.0\nArchitecture: all\nMaintainer: T <t@e>\nDescription: test\n' "$n" > "deb$n/DEBIAN/control"
  cp tekst1.txt "deb$n/usr/share/doc/korpus$n/"
  cicho dpkg-deb --root-owner-group -b "deb$n" "korpus$n.deb"
  dodaj DEB "korpus$n.deb"
done

# Tiny and empty files: the short-file cases.
printf '{' > jeden.json
dodaj JSON jeden.json
printf 'x' > litera.txt
dodaj TXT litera.txt
: > pusty1.txt
dodaj pusty pusty1.txt

# --- npm's file-type, for the comparison.
mkdir -p "$korpus/file-type"
(cd "$korpus/file-type" && npm init -y > /dev/null && npm install --silent file-type@19 > /dev/null 2>> "$bledy") \
  || echo "file-type: npm install failed" >> "$bledy"

rm -rf "$robocze"
echo "$(wc -l < "$manifest") files, $(cut -f1 "$manifest" | sort -u | wc -l) formats in $korpus"
if [ -s "$bledy" ]; then echo "tool messages and missing files: $bledy"; fi

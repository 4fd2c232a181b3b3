# Windows programs, installers and containers whose kind lies past the first bytes: sourced by
# zrob_korpus.sh in its working folder, with its `dodaj` and `cicho`. ZIP containers come also
# from Python's zipfile with the entries in orders the usual writers don't use, so that no first
# entry names the format.
cat > okno.c << 'EOF2'
#include <windows.h>
int WINAPI WinMain(HINSTANCE a, HINSTANCE b, LPSTR c, int d) { return MessageBoxA(0, c, "R", 0); }
EOF2
printf 'void start(void) {}\n' > jadro1.c
cat > jadro2.c << 'EOF2'
__declspec(dllimport) unsigned long DbgPrint(const char *, ...);
void start(void) { DbgPrint("R"); }
EOF2
printf 'unsigned long long efi_main(void *obraz, void *tabela) { return obraz == tabela; }\n' > efi.c
for n in 1 2; do
  kompilator=$([ $n = 1 ] && echo i686-w64-mingw32-gcc || echo x86_64-w64-mingw32-gcc)
  cicho i686-w64-mingw32-gcc -o "prog32_$n.exe" "prog$n.c"
  dodaj EXE "prog32_$n.exe"
  cicho i686-w64-mingw32-gcc -shared -o "prog32_$n.dll" "prog$n.c"
  dodaj DLL "prog32_$n.dll"
  cicho $kompilator -mwindows -o "okno$n.exe" okno.c
  dodaj EXE "okno$n.exe"
  wejscie=$([ $n = 1 ] && echo _start || echo start)
  jadro=$([ $n = 1 ] || echo -lntoskrnl)
  cicho $kompilator -nostdlib -Wl,--subsystem,native -Wl,--entry,$wejscie -o "sterownik$n.sys" \
    "jadro$n.c" $jadro
  dodaj SYS "sterownik$n.sys"
  cicho x86_64-w64-mingw32-gcc -nostdlib -shared -Wl,--subsystem,10 \
    -Wl,--entry,efi_main -o "aplikacja$n.efi" efi.c
  dodaj EFI "aplikacja$n.efi"
  printf 'OutFile "instalator%d.exe"\nUnicode true\nSection\nSetOutPath $INSTDIR\nFile prog%d.c\nSectionEnd\n' \
    "$n" "$n" > "instalator$n.nsi"
  cicho makensis -V1 "instalator$n.nsi"
  dodaj NSIS "instalator$n.exe"
  printf 'class P%d { static void Main() { System.Console.WriteLine("%d"); } }\n' "$n" "$n" > "net$n.cs"
  cicho mcs -out:"net$n.exe" "net$n.cs"
  dodaj NETEXE "net$n.exe"
  cat > "pakiet$n.wxs" << EOF2
<?xml version="1.0"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="*" Name="Korpus$n" Language="1033" Version="1.0.$n" Manufacturer="Rozpoznik"
           UpgradeCode="12345678-1234-1234-1234-12345678900$n">
    <Package InstallerVersion="200" Compressed="yes"/>
    <Media Id="1" Cabinet="k.cab" EmbedCab="yes"/>
    <Directory Id="TARGETDIR" Name="SourceDir"><Directory Id="ProgramFilesFolder">
      <Directory Id="D" Name="Korpus$n"><Component Id="C" Guid="12345678-1234-1234-1234-12345678901$n">
        <File Id="F" Source="prog$n.c"/></Component></Directory></Directory></Directory>
    <Feature Id="G" Level="1"><ComponentRef Id="C"/></Feature>
  </Product>
</Wix>
EOF2
  cicho wixl -o "pakiet$n.msi" "pakiet$n.wxs"
  dodaj MSI "pakiet$n.msi"
done
/usr/bin/python3 - << 'EOF2'
import zipfile

def zapisz(nazwa, wpisy):
    with zipfile.ZipFile(nazwa, "w", zipfile.ZIP_DEFLATED) as z:
        for n, t in wpisy:
            z.writestr(n, t)

typy = '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>'
zapisz("zipfile1.docx", [("word/document.xml", "<w:document/>"), ("_rels/.rels", "<Relationships/>"),
                         ("[Content_Types].xml", typy)])
zapisz("zipfile2.docx", [("docProps/core.xml", "<cp/>"), ("word/styles.xml", "<w:styles/>"),
                         ("word/document.xml", "<w:document/>"), ("[Content_Types].xml", typy)])
zapisz("zipfile1.xlsx", [("xl/workbook.xml", "<workbook/>"), ("[Content_Types].xml", typy)])
zapisz("zipfile2.xlsx", [("docProps/app.xml", "<Properties/>"), ("xl/worksheets/sheet1.xml", "<worksheet/>"),
                         ("xl/workbook.xml", "<workbook/>"), ("_rels/.rels", "<Relationships/>")])
for n in (1, 2):
    zapisz(f"aplikacja{n}.apk", [("res/layout/main.xml", "x" * n), ("AndroidManifest.xml", "\x03\x00\x08\x00"),
                                 ("classes.dex", "dex\n035\x00"), ("META-INF/MANIFEST.MF", "Manifest-Version: 1.0\n")])
    zapisz(f"pakiet{n}-1.0-py3-none-any.whl", [(f"pakiet{n}/__init__.py", "x = 1\n"),
                                               (f"pakiet{n}-1.0.dist-info/METADATA", "Name: pakiet\n"),
                                               (f"pakiet{n}-1.0.dist-info/WHEEL", "Wheel-Version: 1.0\n")])
    zapisz(f"biblioteka{n}.jar", [(f"pl/rozpoznik/Klasa{n}.class", "\xca\xfe\xba\xbe"), ("META-INF/MANIFEST.MF", "Manifest-Version: 1.0\n")])
EOF2
for n in 1 2; do
  dodaj DOCX "zipfile$n.docx"
  dodaj XLSX "zipfile$n.xlsx"
  dodaj APK "aplikacja$n.apk"
  dodaj WHL "pakiet$n-1.0-py3-none-any.whl"
  dodaj JAR "biblioteka$n.jar"
done

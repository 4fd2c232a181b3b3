// The rows of the probes that read a container's own structures. Where a row of the catalogue or
// the supplement already names the very format in today's words, the probe's row repeats its
// texts, so that both answers read as one.

#include "catalogue/SuplementKontenerow.h"

#include "catalogue/WierszeWzorcow.h"
#include "catalogue/ZasadyKatalogu.h"

namespace {

struct TWierszZNazwa {
  TWierszKontenera Nazwa;
  TWierszZrodlowy Wiersz;
};

constexpr std::string_view Pe = "4D5A";
constexpr std::string_view Zip = "504B0304";
constexpr std::string_view Ole2 = "D0CF11E0A1B11AE1";

constexpr std::string_view ProgramyPe = "Microsoft Windows\rDependency Walker\rResource Hacker";
constexpr std::string_view ProgramyDotNet = ".NET SDK\rMicrosoft Visual Studio\rMonoDevelop";
constexpr std::string_view ProgramyUefi = "QEMU\rGNU Binutils";
constexpr std::string_view ProgramyWord =
    "Microsoft Word\rLibreOffice Writer\rWPS Writer\rGoogle Docs";
constexpr std::string_view ProgramyExcel =
    "Microsoft Excel\rLibreOffice Calc\rWPS Spreadsheets\rGoogle Sheets";
constexpr std::string_view ProgramyPowerPoint =
    "Microsoft PowerPoint\rLibreOffice Impress\rWPS Presentation\rGoogle Slides";
constexpr std::string_view ProgramyMsi = "Instalator Windows\rOrca\r7zip\rlessmsi";

using enum TWierszKontenera;

// clang-format off
constexpr std::array<TWierszZNazwa, RozmiarSuplementuKontenerow> WierszeZNazwami = {{
    {ProgramWindows32, {"EXE", Pe, "Program Windows (32-bitowy)", "Aplikacja", ProgramyPe}},
    {ProgramWindows64, {"EXE", Pe, "Program Windows (64-bitowy)", "Aplikacja", ProgramyPe}},
    {BibliotekaDll32, {"DLL", Pe, "Biblioteka DLL Windows (32-bitowa)", "Biblioteka", ProgramyPe}},
    {BibliotekaDll64, {"DLL", Pe, "Biblioteka DLL Windows (64-bitowa)", "Biblioteka", ProgramyPe}},
    {ProgramDotNet, {"EXE", Pe, "Program .NET (kod pośredni CIL)", "Aplikacja", ProgramyDotNet}},
    {BibliotekaDotNet, {"DLL", Pe, "Biblioteka .NET (kod pośredni CIL)", "Biblioteka", ProgramyDotNet}},
    {SterownikWindows, {"SYS", Pe, "Sterownik trybu jądra Windows", "Sterownik", "Microsoft Windows\rDependency Walker"}},
    {AplikacjaUefi, {"EFI", Pe, "Aplikacja UEFI (program oprogramowania układowego)", "Oprogramowanie układowe", ProgramyUefi}},
    {SterownikUefi, {"EFI", Pe, "Sterownik UEFI", "Sterownik", ProgramyUefi}},
    {InstalatorNsis, {"EXE", Pe, "Instalator NSIS (Nullsoft Scriptable Install System)", "Pakiet oprogramowania", "Microsoft Windows\r7zip\rUniversal Extractor"}},
    {InstalatorInnoSetup, {"EXE", Pe, "Instalator Inno Setup", "Pakiet oprogramowania", "Microsoft Windows\rInno Setup\rinnounp\rUniversal Extractor"}},
    {Samorozpakowujace7z, {"EXE", Pe, "Samorozpakowujące się archiwum 7-Zip", "Archiwum", "7zip\rPeaZip\rMicrosoft Windows"}},
    {SamorozpakowujaceRar, {"EXE", Pe, "Samorozpakowujące się archiwum RAR", "Archiwum", "WinRAR\r7zip\rMicrosoft Windows"}},
    {SamorozpakowujaceZip, {"EXE", Pe, "Samorozpakowujące się archiwum ZIP", "Archiwum", "7zip\rWinZIP\rWinRAR\rMicrosoft Windows"}},

    {Docx, {"DOCX", Zip, "Dokument Microsoft Word (Office Open XML)", "Dokument tekstowy", ProgramyWord}},
    {Docm, {"DOCM", Zip, "Dokument Microsoft Word z makrami (Office Open XML)", "Dokument tekstowy", ProgramyWord}},
    {Xlsx, {"XLSX", Zip, "Arkusz Microsoft Excel (Office Open XML)", "Arkusz kalkulacyjny", ProgramyExcel}},
    {Xlsm, {"XLSM", Zip, "Arkusz Microsoft Excel z makrami (Office Open XML)", "Arkusz kalkulacyjny", ProgramyExcel}},
    {Pptx, {"PPTX", Zip, "Prezentacja Microsoft PowerPoint (Office Open XML)", "Prezentacja", ProgramyPowerPoint}},
    {Pptm, {"PPTM", Zip, "Prezentacja Microsoft PowerPoint z makrami (Office Open XML)", "Prezentacja", ProgramyPowerPoint}},
    {Vsdx, {"VSDX", Zip, "Rysunek Microsoft Visio (Office Open XML)", "Diagram", "Microsoft Visio\rLibreOffice Draw"}},
    {Odt, {"ODT", Zip, "OpenDocument: dokument tekstowy (ODT)", "Dokument tekstowy", "LibreOffice Writer\rOpen Office\rMicrosoft Word"}},
    {Ods, {"ODS", Zip, "OpenDocument: arkusz kalkulacyjny (ODS)", "Arkusz kalkulacyjny", "LibreOffice Calc\rOpen Office\rMicrosoft Excel\rGnumeric"}},
    {Odp, {"ODP", Zip, "OpenDocument: prezentacja (ODP)", "Prezentacja", "LibreOffice Impress\rOpen Office\rMicrosoft PowerPoint"}},
    {Odg, {"ODG", Zip, "OpenDocument: rysunek (ODG)", "Obraz wektorowy", "LibreOffice Draw\rOpen Office\rInkscape"}},
    {Odb, {"ODB", Zip, "OpenDocument: baza danych (ODB)", "Baza danych", "LibreOffice Base\rOpen Office"}},
    {Epub, {"EPUB", Zip, "Książka elektroniczna EPUB", "Dokument tekstowy", "Calibre\rOkular\rSumatraPDF\rFoliate\rApple Books"}},
    {Jar, {"JAR", Zip, "Archiwum aplikacji lub biblioteki Javy (JAR)", "Aplikacja", "Java Runtime Environment\rJava Development Kit\r7zip"}},
    {War, {"WAR", Zip, "Aplikacja internetowa Javy (WAR)", "Aplikacja", "Apache Tomcat\rJava Development Kit\r7zip"}},
    {Apk, {"APK", Zip, "Pakiet aplikacji Android (APK)", "Pakiet oprogramowania", "Android Studio\rapktool\rJADX\r7zip"}},
    {Aab, {"AAB", Zip, "Pakiet Android App Bundle (AAB)", "Pakiet oprogramowania", "Android Studio\rbundletool"}},
    {Aar, {"AAR", Zip, "Biblioteka Androida (AAR)", "Biblioteka", "Android Studio\r7zip"}},
    {Xpi, {"XPI", Zip, "Dodatek przeglądarki Mozilla Firefox (XPI)", "Plik zasobów", "Mozilla Firefox\rMozilla Thunderbird"}},
    {Nupkg, {"NUPKG", Zip, "Pakiet NuGet (.NET)", "Pakiet oprogramowania", ".NET SDK\rMicrosoft Visual Studio\rJetBrains Rider"}},
    {Model3mf, {"3MF", Zip, "Model do druku 3D (3MF)", "Model 3D", "Blender\rMeshLab\rFreeCAD"}},
    {Kmz, {"KMZ", Zip, "Mapa Google Earth w archiwum (KMZ)", "Mapa", "Google Earth\rQGIS\rGPSBabel"}},
    {PakietWheel, {"WHL", Zip, "Pakiet Pythona (wheel)", "Pakiet oprogramowania", "Python"}},
    {Ipa, {"IPA", Zip, "Aplikacja iOS (IPA)", "Pakiet oprogramowania", "Xcode\riTunes\r7zip"}},

    {Doc, {"DOC", Ole2, "Dokument Microsoft Word 97-2003", "Dokument tekstowy", "Microsoft Word\rLibreOffice Writer\rWPS Writer"}},
    {Xls, {"XLS", Ole2, "Arkusz Microsoft Excel 97-2003", "Arkusz kalkulacyjny", "Microsoft Excel\rLibreOffice Calc\rGnumeric\rWPS Spreadsheets"}},
    {Ppt, {"PPT", Ole2, "Prezentacja Microsoft PowerPoint 97-2003", "Prezentacja", "Microsoft PowerPoint\rLibreOffice Impress\rPowerPoint Viewer\rWPS Presentation"}},
    {Msi, {"MSI", Ole2, "Pakiet Instalatora Windows (MSI)", "Aplikacja", ProgramyMsi}},
    {Msp, {"MSP", Ole2, "Poprawka Instalatora Windows (MSP)", "Aplikacja", ProgramyMsi}},
    {Msg, {"MSG", Ole2, "Wiadomość Microsoft Outlook (MSG)", "Wiadomość e-mail", "Microsoft Outlook\rEncryptomatic MsgViewer Pro"}},
    {Vsd, {"VSD", Ole2, "Rysunek Microsoft Visio 2003-2010 (VSD)", "Diagram", "Microsoft Visio\rLibreOffice Draw"}},
    {Pub, {"PUB", Ole2, "Publikacja Microsoft Publisher", "Dokument tekstowy", "Microsoft Office\rLibreOffice Draw"}},
    {Thumbs, {"DB", Ole2, "Podręczna baza miniatur Windows (Thumbs.db)", "Plik cache", "Eksplorator Windows"}},
}};
// clang-format on

// Each row stands at its name's place, so that a probe's answer is the row it names.
consteval bool NaSwoichMiejscach() {
  for (std::size_t i = 0; i < WierszeZNazwami.size(); ++i) {
    if (static_cast<std::size_t>(WierszeZNazwami[i].Nazwa) != i) return false;
  }
  return true;
}
static_assert(NaSwoichMiejscach(), "a row of the probes stands away from its name's place");

constexpr std::array<TWierszZrodlowy, RozmiarSuplementuKontenerow> Wiersze = [] {
  std::array<TWierszZrodlowy, RozmiarSuplementuKontenerow> wiersze{};
  for (std::size_t i = 0; i < wiersze.size(); ++i) wiersze[i] = WierszeZNazwami[i].Wiersz;
  return wiersze;
}();

}  // namespace

constexpr std::array<TOpisPliku, RozmiarSuplementuKontenerow> SuplementKontenerow =
    ZbudujSprawdzonaTabele<TRodzajTabeli::SygnaturSuplementu, Wiersze, ZadenWierszUstalony,
                           WierszeWzorcow>();

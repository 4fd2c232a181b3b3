#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/SondyKontenerowTestowe.h"

namespace {

using enum TWierszKontenera;

class SondaZip : public TTestSondy {
 protected:
  const TOpisPliku* Zip(std::string_view Bajty) { return Odpowiedz(::SondaZip, Bajty); }
};

struct TWpis {
  std::string Nazwa;
  std::string Tresc;
};

struct TUstawienia {
  std::string Przed;  // data before the archive, its offsets counted from the archive's start
  bool Zip64 = false;
};

// An archive of stored entries, the way every writer lays one out.
std::string Archiwum(const std::vector<TWpis>& Wpisy, const TUstawienia& U = {}) {
  std::string b;
  std::string katalog;
  for (const TWpis& w : Wpisy) {
    const auto lokalny = static_cast<std::uint32_t>(b.size());
    std::string l(30, '\0');
    l.replace(0, 4, "PK\x03\x04");
    Zapisz32(l, 18, static_cast<std::uint32_t>(w.Tresc.size()));
    Zapisz32(l, 22, static_cast<std::uint32_t>(w.Tresc.size()));
    Zapisz16(l, 26, static_cast<std::uint16_t>(w.Nazwa.size()));
    b += l + w.Nazwa + w.Tresc;
    std::string c(46, '\0');
    c.replace(0, 4, "PK\x01\x02");
    Zapisz32(c, 20, static_cast<std::uint32_t>(w.Tresc.size()));
    Zapisz32(c, 24, static_cast<std::uint32_t>(w.Tresc.size()));
    Zapisz16(c, 28, static_cast<std::uint16_t>(w.Nazwa.size()));
    Zapisz32(c, 42, lokalny);
    katalog += c + w.Nazwa;
  }
  const std::size_t poczatek = b.size();
  b += katalog;
  std::string koniec(22, '\0');
  koniec.replace(0, 4, "PK\x05\x06");
  Zapisz16(koniec, 8, static_cast<std::uint16_t>(Wpisy.size()));
  Zapisz16(koniec, 10, static_cast<std::uint16_t>(Wpisy.size()));
  Zapisz32(koniec, 12, static_cast<std::uint32_t>(katalog.size()));
  Zapisz32(koniec, 16, static_cast<std::uint32_t>(poczatek));
  if (U.Zip64) {
    std::string rekord(56, '\0');
    rekord.replace(0, 4, "PK\x06\x06");
    Zapisz64(rekord, 4, 44);
    Zapisz64(rekord, 24, Wpisy.size());
    Zapisz64(rekord, 32, Wpisy.size());
    Zapisz64(rekord, 40, katalog.size());
    Zapisz64(rekord, 48, poczatek);
    std::string lokalizator(20, '\0');
    lokalizator.replace(0, 4, "PK\x06\x07");
    Zapisz64(lokalizator, 8, b.size() + U.Przed.size());
    Zapisz32(lokalizator, 16, 1);
    b += rekord + lokalizator;
    Zapisz16(koniec, 10, 0xFFFF);
    Zapisz32(koniec, 12, 0xFFFFFFFF);
    Zapisz32(koniec, 16, 0xFFFFFFFF);
  }
  return U.Przed + b + koniec;
}

const std::string TypyZawartosci = "<Types/>";

TEST_F(SondaZip, RozpoznajePlikiPandocaLibreOfficeJavyIZipfile) {
  const std::pair<std::string_view, TWierszKontenera> probki[] = {
      {"pandoc.docx", Docx},  {"zipfile.docx", Docx},      {"zipfile.xlsx", Xlsx},
      {"dokument.odt", Odt},  {"ksiazka.epub", Epub},      {"biblioteka.jar", Jar},
      {"aplikacja.apk", Apk}, {"pakiet.whl", PakietWheel},
  };
  for (const auto& [nazwa, wiersz] : probki) EXPECT_EQ(Zip(Probka(nazwa)), Wiersz(wiersz)) << nazwa;
}

// The rules in their order: what an Android package or an Office document with macros also
// holds must not name it first.
TEST_F(SondaZip, NazwyWpisowRozstrzygajaWeWlasciwejKolejnosci) {
  const std::pair<std::vector<TWpis>, TWierszKontenera> przypadki[] = {
      {{{"META-INF/MANIFEST.MF", ""}, {"classes.dex", ""}, {"AndroidManifest.xml", ""}}, Apk},
      {{{"META-INF/MANIFEST.MF", ""}, {"resources.arsc", ""}, {"AndroidManifest.xml", ""}}, Apk},
      {{{"classes.jar", ""}, {"AndroidManifest.xml", ""}, {"R.txt", ""}}, Aar},
      {{{"base/manifest/AndroidManifest.xml", ""}, {"BundleConfig.pb", ""}}, Aab},
      {{{"Payload/Gra.app/Info.plist", ""}, {"iTunesMetadata.plist", ""}}, Ipa},
      {{{"[Content_Types].xml", TypyZawartosci},
        {"word/document.xml", ""},
        {"word/vbaProject.bin", ""}},
       Docm},
      {{{"xl/vbaProject.bin", ""}, {"xl/workbook.xml", ""}, {"_rels/.rels", ""}}, Xlsm},
      {{{"ppt/presentation.xml", ""}, {"[Content_Types].xml", TypyZawartosci}}, Pptx},
      {{{"ppt/vbaProject.bin", ""}, {"[Content_Types].xml", TypyZawartosci}}, Pptm},
      {{{"visio/document.xml", ""}, {"[Content_Types].xml", TypyZawartosci}}, Vsdx},
      {{{"[Content_Types].xml", TypyZawartosci}, {"pakiet.nuspec", ""}, {"lib/a.dll", ""}}, Nupkg},
      {{{"[Content_Types].xml", TypyZawartosci}, {"3D/3dmodel.model", ""}}, Model3mf},
      {{{"WEB-INF/web.xml", ""}, {"META-INF/MANIFEST.MF", ""}}, War},
      {{{"manifest.json", ""}, {"META-INF/mozilla.rsa", ""}, {"META-INF/manifest.mf", ""}}, Xpi},
      {{{"install.rdf", ""}, {"chrome/a.js", ""}}, Xpi},
      {{{"doc.kml", ""}, {"files/ikona.png", ""}}, Kmz},
      {{{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", ""}}, Ods},
      {{{"mimetype", "application/vnd.oasis.opendocument.presentation"}}, Odp},
      {{{"mimetype", "application/vnd.oasis.opendocument.graphics"}}, Odg},
      {{{"mimetype", "application/vnd.oasis.opendocument.base"}}, Odb},
      {{{"META-INF/container.xml", ""}, {"OEBPS/a.xhtml", ""}}, Epub},
  };
  for (const auto& [wpisy, wiersz] : przypadki) {
    EXPECT_EQ(Zip(Archiwum(wpisy)), Wiersz(wiersz)) << wpisy.front().Nazwa;
  }
}

TEST_F(SondaZip, ZwyklyZipINazwyOJedenBajtObokToNicWiecej) {
  EXPECT_EQ(Zip(Archiwum({{"a.txt", "x"}, {"word/b.txt", "y"}})), nullptr);
  // An Office folder alone, without the package's own parts, is any archive's folder.
  EXPECT_EQ(Zip(Archiwum({{"word/document.xml", ""}})), nullptr);
  std::string docx = Probka("zipfile.docx");
  for (std::size_t i = docx.find("word/"); i != std::string::npos; i = docx.find("word/", i))
    docx[i + 3] = 'c';
  EXPECT_EQ(Zip(docx), nullptr);
  std::string odt = Probka("dokument.odt");
  odt[odt.find("opendocument.text") + 13] = 'u';
  EXPECT_EQ(Zip(odt), nullptr);
}

// A writer that streams its entries leaves the local header's sizes zero and gives them in the
// directory.
TEST_F(SondaZip, TypMimeODlugosciPodanejWKatalogu) {
  std::string ods = Archiwum({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}});
  Zapisz32(ods, 18, 0);
  Zapisz32(ods, 22, 0);
  EXPECT_EQ(Zip(ods), Wiersz(Ods));
}

// A self-extracting program before the archive: the offsets count from the archive's start, so
// the directory is found just before the end record, and the local headers by the same shift.
TEST_F(SondaZip, ArchiwumZaInnymiDanymi) {
  const TUstawienia przed{std::string(5000, 'M'), false};
  EXPECT_EQ(Zip(Archiwum({{"a.txt", ""}, {"mimetype", "application/epub+zip"}}, przed)),
            Wiersz(Epub));
  const TUstawienia zip64{std::string(5000, 'M'), true};
  EXPECT_EQ(Zip(Archiwum({{"a.txt", ""}, {"AndroidManifest.xml", ""}, {"classes.dex", ""}}, zip64)),
            Wiersz(Apk));
}

// A directory that points past the end, or one the file no longer has, leaves the local headers
// from the start; where those are missing too, nothing is recognised.
TEST_F(SondaZip, KatalogPozaPlikiemLubUciety) {
  const std::string docx = Archiwum({{"[Content_Types].xml", TypyZawartosci},
                                     {"word/document.xml", "<w:document/>"},
                                     {"word/styles.xml", ""}});
  std::string pozaKoncem = docx;
  Zapisz32(pozaKoncem, pozaKoncem.size() - 6, 0xFFFFFF00);
  EXPECT_EQ(Zip(pozaKoncem), Wiersz(Docx));
  std::string zaDlugi = docx;
  Zapisz32(zaDlugi, zaDlugi.size() - 10, 0x7FFFFFFF);
  EXPECT_EQ(Zip(zaDlugi), Wiersz(Docx));
  EXPECT_EQ(Zip(docx.substr(0, docx.find("PK\x01\x02") + 10)), Wiersz(Docx));
  EXPECT_EQ(Zip(docx.substr(0, 40)), nullptr);

  std::string bezLokalnych = std::string(3000, 'M') + docx.substr(docx.find("PK\x05\x06"));
  EXPECT_EQ(Zip(bezLokalnych), nullptr);
  // A comment longer than what follows the record makes it a chance match.
  std::string komentarz = Archiwum({{"a.txt", ""}}, {std::string(100, 'M'), false});
  Zapisz16(komentarz, komentarz.size() - 2, 500);
  EXPECT_EQ(Zip(komentarz), nullptr);
  EXPECT_EQ(Zip("PK\x05\x06"), nullptr);
}

// One block of the directory within the budget: a name past it is out of reach.
TEST_F(SondaZip, KatalogWiekszyNizBudzet) {
  std::vector<TWpis> wpisy;
  for (int i = 0; i < 2000; ++i) wpisy.push_back({"dane/plik" + std::to_string(i) + ".txt", ""});
  const TUstawienia przed{"M", false};
  wpisy.push_back({"classes.jar", ""});
  wpisy.insert(wpisy.begin(), {"AndroidManifest.xml", ""});
  EXPECT_EQ(Zip(Archiwum(wpisy, przed)), nullptr);
  std::swap(wpisy[1], wpisy.back());
  EXPECT_EQ(Zip(Archiwum(wpisy, przed)), Wiersz(Aar));
}

}  // namespace

// The pattern table: the OpenDocument and StarOffice rows built from their recipe, the other rows
// as listed, and the shape of every pattern.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/Katalog.h"
#include "tests/core/Kandydaci.h"
#include "tests/core/WierszeOczekiwane.h"

namespace {

struct TWierszPakietuBiurowego {
  std::size_t Wiersz;
  std::string_view Rozszerzenie;
  std::string_view Podtyp;  // the whole MIME subtype; the pattern keeps what fits in 160 digits
  std::size_t DlugoscWzorca;
  std::string_view Typ;
  std::string_view Kategoria;
};

// A ZIP whose first entry, "mimetype", holds the MIME type uncompressed at offset 30: "PK", the 28
// bytes of the local header that vary, the entry's name and its content, cut at the key's length.
std::string WzorzecPakietuBiurowego(std::string_view rodzina, std::string_view podtyp) {
  std::string wzorzec =
      "504B" + std::string(56, '*') + Hex("mimetype") + Hex(rodzina) + Hex(podtyp);
  return wzorzec.substr(0, 160);
}

constexpr std::string_view OpenDocument = "application/vnd.oasis.opendocument.";
constexpr std::string_view StarOffice = "application/vnd.sun.xml.";

// clang-format off
const std::vector<TWierszPakietuBiurowego> WierszeOpenDocument = {
    {0, "ODT", "text", 154, "Dokument Open Office Writer", "Dokument tekstowy"},
    {1, "OTT", "text-template", 160, "Szablon Open Office Writer", "Dokument tekstowy"},
    {2, "OTH", "text-web", 160, "Szablon HTML Open Office Writer", "Dokument tekstowy"},
    {3, "ODM", "text-master", 160, "Dokument główny Open Office Writer", "Dokument tekstowy"},
    {4, "ODG", "graphics", 160, "Obraz Open Office Draw", "Obraz wektorowy"},
    {5, "OTG", "graphics-template", 160, "Szablon Open Office Draw", "Obraz wektorowy"},
    {6, "ODP", "presentation", 160, "Prezentacja Open Office Impress", "Prezentacja"},
    {7, "OTP", "presentation-template", 160, "Szablon Open Office Impress", "Prezentacja"},
    {8, "ODS", "spreadsheet", 160, "Arkusz Open Office Calc", "Arkusz kalkulacyjny"},
    {9, "OTS", "spreadsheet-template", 160, "Szablon Open Office Calc", "Arkusz kalkulacyjny"},
    {10, "ODC", "chart", 156, "Wykres Open Office", "Wykres"},
    {11, "ODF", "formula", 160, "Wzory matematyczne Open Office", "Wzór matematyczny"},
    {12, "ODB", "database", 160, "Baza Open Office Base", "Baza danychy"},
    {13, "ODI", "image", 156, "Obraz Open Office Draw", "Obraz rastrowy"},
};

const std::vector<TWierszPakietuBiurowego> WierszeStarOffice = {
    {14, "SXW", "writer", 136, "Dokument Open Office Writer", "Dokument tekstowy"},
    {15, "STW", "writer.template", 154, "Szablon Open Office Writer", "Dokument tekstowy"},
    {16, "SXC", "calc", 132, "Arkusz Open Office Calc", "Arkusz kalkulacyjny"},
    {17, "STC", "calc.template", 150, "Szablon Open Office Calc", "Arkusz kalkulacyjny"},
    {18, "SXD", "draw", 132, "Obraz Open Office Draw", "Obraz"},
    {19, "STD", "draw.template", 150, "Szablon Open Office Draw", "Obraz"},
    {20, "SXI", "impress", 138, "Prezentacja Open Office Impress", "Prezentacja"},
    {21, "STW", "impress.template", 156, "Szablon Open Office Impress", "Prezentacja"},
    {22, "SXG", "writer.global", 150, "Dokument główny Open Office Writer", "Dokument tekstowy"},
    {23, "SXM", "math", 132, "Wzory matematyczne Open Office", "Wzór matematyczny"},
};

const std::vector<std::string_view> Napisy = {"ffdShow", "Media Player Classic", "VPlayer"};
const std::vector<std::string_view> QuickTime = {"Media Player Classic+QuickTimeAlternative", "QuickTime"};
const std::vector<std::string_view> BazyDanych = {"dBASE", "Clipper", "FoxPro", "Microsoft Excel"};

const std::vector<TWierszOczekiwany> PozostaleWiersze = {
    {24, "CDR", "52494646********434452", "Obraz Corel Draw", "Obraz wektorowy", {"Corel DRAW"}},
    {25, "WAV", "52494646********57415645", "Windows Audio", "Plik dźwiękowy", {"WinAMP", "Media Player Classic", "Audacity"}},
    {26, "AVI", "52494646********415649", "Kontener audio-wideo Audio Video Interchange", "Film", {"Media Player Classic", "Windows Media Player", "Virtual Dub"}},
    {27, "MOV", "********6D646174", "Quick Time Movie", "Film", QuickTime},
    {28, "MOV", "********6D6F6F76", "Quick Time Movie", "Film", QuickTime},
    {29, "JP2", "********6A50", "Obraz JPEG2000", "Obraz rastrowy", {"Corel Photopaint", "XnView"}},
    {30, "TXT", "****3A****3A****3A", "Napisy w formacie TMPlayer", "Napisy filmowe", Napisy},
    {31, "TXT", "**3A****3A****3A", "Napisy w formacie Short TMPlayer", "Napisy filmowe", Napisy},
    {32, "SRT", "310D0A30303A****3A", "Napisy w formacie SubRipper", "Napisy filmowe", Napisy},
    {33, "TXT", "7B**7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", Napisy},
    {34, "TXT", "7B****7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", Napisy},
    {35, "TXT", "7B******7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", Napisy},
    {36, "TXT", "7B********7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", Napisy},
    {37, "TXT", "7B**********7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", Napisy},
    {38, "TXT", "7B************7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", Napisy},
    {39, "GZA", "********475A4950", "Archiwum GZA", "Archiwum", {"IZarc"}},
    {40, "BZA", "********425A32", "Archiwum BZA", "Archiwum", {"IZarc"}},
    {41, "LHA", "******6C68", "Archiwum LHA", "Archiwum", {"IZarc"}},
    {42, "LZH", "******6C68", "Archiwum LHA", "Archiwum", {"IZarc"}},
    {43, "ANI", "52494646********41434F4E4C495354", "Animowany kursor Windows", "Animacja rastrowa", {"Microsoft Windows"}},
    {44, "3GPP", "000000**66747970336770", "3rd Generation Partnership Project's multimedia file", "Kontener audio-wideo", {"QuickTime", "MPlayer", "VLC Player"}},
    {45, "MPG", "52494646********43445841666D74", "plik VideoCD/Super VideoCD", "Film", {"Media Player Classic", "Power DVD"}},
    {46, "MPG", "52494646********43444441666D74", "plik CD Audio", "Plik muzyczny", {"CDex", "WinAMP"}},
    {47, "AIF", "464F524D********41494646", "Audio Interchange File Format", "Film", {"WinAMP"}},
    {48, "WRI", "**BE000000AB000000", "WRITE document", "Dokument tekstowy", {"WordPad"}},
    {49, "DBF", "02************************0000", "Data Base File (FoxBase)", "Baza danych", BazyDanych},
    {50, "DBF", "03************************0000", "Data Base File (baza bez DBT)", "Baza danych", BazyDanych},
    {51, "DBF", "04************************0000", "Data Base File (dBASE IV bez memo)", "Baza danych", BazyDanych},
    {52, "DBF", "05************************0000", "Data Base File (dBASE IV bez memo)", "Baza danych", BazyDanych},
    {53, "DBF", "30************************0000", "Data Base File (Visual FoxPro)", "Baza danych", BazyDanych},
    {54, "DBF", "31************************0000", "Data Base File (Visual FoxPro bez DBC)", "Baza danych", BazyDanych},
    {55, "DBF", "7B************************0000", "Data Base File (dBASE IV z memo)", "Baza danych", BazyDanych},
    {56, "DBF", "83************************0000", "Data Base File (baza z DBT)", "Baza danych", BazyDanych},
    {57, "DBF", "83************************0000", "Data Base File (dBASE II+ z memo)", "Baza danych", BazyDanych},
    {58, "DBF", "8B************************0000", "Data Base File (dBASE IV bez memo)", "Baza danych", BazyDanych},
    {59, "DBF", "8E************************0000", "Data Base File (dBASE IV bez tabeli SQL)", "Baza danych", BazyDanych},
    {60, "DBF", "F5************************0000", "Data Base File (FoxPro bez memo)", "Baza danych", BazyDanych},
    {61, "DBF", "FB************************0000", "Data Base File (FoxPro)", "Baza danych", BazyDanych},
    {62, "WPD", "**575043", "WordPerfect Demo/Screen Driver/Document", "?", {"WordPerfect"}},
    {63, "CPF", "53504543312E30**********63616368652070726F66696C65", "Abuse", "Plik gry", {"Abuse (gra)"}},
    {64, "SIS", "******10123A00101904", "Symbian OS Installer File", "Archiwum", {"Palm OS Emulator", "UnSIS Utility"}},
    {65, "ZOR", "**5A6F7274616D", "Zortam MP3 Media Studio", "-", {"Zortam MP3 Media Studio"}},
    {66, "GBA", "******EA", "Nintendo Game Boy Advance ROM Image", "Obraz pamięci", {"VisualBoyAdvance"}},
    {67, "GBA", "******EA", "Nintendo Game Boy Advance ROM Image", "Obraz pamięci", {"VisualBoyAdvance"}},
};
// clang-format on

void SprawdzPakietBiurowy(const TWierszPakietuBiurowego& w, std::string_view rodzina,
                          std::vector<std::string_view> programy) {
  const std::string wzorzec = WzorzecPakietuBiurowego(rodzina, w.Podtyp);
  EXPECT_EQ(wzorzec.size(), w.DlugoscWzorca) << "row " << w.Wiersz;
  SprawdzWiersz(BazaWzorcow[w.Wiersz],
                {w.Wiersz, w.Rozszerzenie, wzorzec, w.Typ, w.Kategoria, std::move(programy)});
}

}  // namespace

TEST(KatalogWzorcow, WierszeOpenDocumentZeSwojegoPrzepisu) {
  for (const TWierszPakietuBiurowego& w : WierszeOpenDocument) {
    SprawdzPakietBiurowy(w, OpenDocument, {"Open Office 2", "Star Office 8"});
  }
  EXPECT_EQ(BazaWzorcow[0].Sygnatura.Tekst(),
            "504B********************************************************6D696D65747970656170706C69"
            "636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E74657874");
}

TEST(KatalogWzorcow, WierszeStarOfficeZeSwojegoPrzepisu) {
  for (const TWierszPakietuBiurowego& w : WierszeStarOffice) {
    SprawdzPakietBiurowy(w, StarOffice, {"Open Office 1", "Star Office 6"});
  }
}

TEST(KatalogWzorcow, PozostaleWierszeWCalosci) {
  ASSERT_EQ(WierszeOpenDocument.size() + WierszeStarOffice.size() + PozostaleWiersze.size(),
            RozmiarBazyWzorcow);
  for (const TWierszOczekiwany& w : PozostaleWiersze) SprawdzWiersz(BazaWzorcow[w.Wiersz], w);
}

// Asterisks come in runs of whole bytes, so that every pattern speaks of whole bytes.
TEST(KatalogWzorcow, KsztaltWzorcow) {
  std::vector<std::size_t> pelnejDlugosci;
  std::size_t odGwiazdki = 0;
  for (std::size_t i = 0; i < RozmiarBazyWzorcow; ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    const std::string_view wzorzec = BazaWzorcow[i].Sygnatura.Tekst();
    EXPECT_EQ(wzorzec.size() % 2, 0u);
    EXPECT_GE(wzorzec.size(), 8u);
    EXPECT_LE(wzorzec.size(), 160u);
    EXPECT_NE(wzorzec.find('*'), std::string_view::npos);
    if (wzorzec.size() == 160) pelnejDlugosci.push_back(i);
    if (wzorzec.starts_with('*')) ++odGwiazdki;
    for (std::size_t p = wzorzec.find('*'); p != std::string_view::npos;) {
      const std::size_t koniec = std::min(wzorzec.find_first_not_of('*', p), wzorzec.size());
      EXPECT_EQ(p % 2, 0u) << "a run of asterisks starts inside a byte at " << p;
      EXPECT_EQ((koniec - p) % 2, 0u) << "odd run of asterisks at " << p;
      p = wzorzec.find('*', koniec);
    }
  }
  EXPECT_EQ(pelnejDlugosci, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}));
  EXPECT_EQ(odGwiazdki, 15u);
}

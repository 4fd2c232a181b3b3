// The supplement joins the lookup behind the catalogue's own tables: every answer the three
// tables give stands unchanged where no supplement row fits, and today's files are named.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "catalogue/Katalog.h"
#include "catalogue/ZasadyKatalogu.h"
#include "engine/ObslugaBaz.h"
#include "tests/FolderTestowy.h"
#include "tests/core/Kandydaci.h"
#include "text/Cp1250.h"

namespace {

bool SuplementPasuje(const TOpisPliku& klucz) {
  const auto sygnatura = [&](const TOpisPliku& w) {
    return PasujeDoWzorca(klucz.Sygnatura.Tekst(), w.Sygnatura.Tekst());
  };
  const auto rozszerzenie = [&](const TOpisPliku& w) {
    return w.Rozszerzenie.Tekst() == klucz.Rozszerzenie.Tekst();
  };
  return std::ranges::any_of(SuplementSygnatur, sygnatura) ||
         std::ranges::any_of(SuplementTekstowy, rozszerzenie);
}

// Keys of many kinds: every signature of the table as a file's start, every pattern with its
// wildcards filled both ways, and seeded random keys, half of them starting like a signature.
std::vector<std::string> MieszaneKlucze() {
  std::vector<std::string> klucze;
  for (const TOpisPliku& w : BazaSygnatur) {
    for (const char dopelnienie : {'0', 'F'}) {
      std::string hex(w.Sygnatura.Tekst());
      hex.resize(160, dopelnienie);
      klucze.push_back(hex);
    }
  }
  for (const TOpisPliku& w : BazaWzorcow) {
    for (const char wypelnienie : {'0', 'F'}) {
      std::string hex(w.Sygnatura.Tekst());
      std::ranges::replace(hex, '*', wypelnienie);
      hex.resize(160, '0');
      klucze.push_back(hex);
    }
  }
  std::mt19937 los(18);
  for (int i = 0; i < 2000; ++i) {
    std::string hex;
    if (i % 2 == 0) hex = BazaSygnatur[los() % RozmiarBazySygnatur].Sygnatura.Tekst();
    while (hex.size() < 160) hex += "0123456789ABCDEF"[los() % 16];
    klucze.push_back(hex);
  }
  return klucze;
}

}  // namespace

// Where no supplement row fits, the answer is the one the three tables give alone, candidate for
// candidate: for text files and for binary ones, under extensions of every kind.
TEST(Suplement, BezPasujacegoWierszaOdpowiedzBezZmian) {
  TFolderTestowy folder;
  // Each file is opened once and read from its start by every lookup: tens of thousands of
  // openings take minutes under Wine.
  TPlikDoOdczytu tekst(folder.Zapisz("tekst", "Zwykly tekst.\n"));
  TPlikDoOdczytu binarny(folder.Zapisz("binarny", std::string("\x01\x00\x02", 3)));
  std::size_t porownanych = 0, zmienionych = 0;
  for (const std::string& hex : MieszaneKlucze()) {
    for (const char* rozszerzenie : {"", "TXT", "ZIP", "EXE", "DOCX", "PY", "MKV", "HTML"}) {
      const TOpisPliku klucz = KluczZHex(hex, rozszerzenie);
      if (SuplementPasuje(klucz)) continue;
      for (TPlikDoOdczytu* plik : {&tekst, &binarny}) {
        TKandydaci z, bez;
        const bool rozpoznanyZ = RozpoznajPlik(klucz, *plik, z);
        const bool rozpoznanyBez = RozpoznajPlik(klucz, *plik, bez, BezSuplementu);
        ++porownanych;
        if (rozpoznanyZ != rozpoznanyBez || z != bez) {
          ++zmienionych;
          ADD_FAILURE() << hex << " ." << rozszerzenie << " " << plik->Sciezka();
        }
      }
    }
  }
  EXPECT_EQ(zmienionych, 0u);
  EXPECT_GT(porownanych, 30000u);
}

namespace {

struct TPrzyklad {
  const char* Opis;
  const char* Hex;           // the first 80 bytes of a real file
  const char* Rozszerzenie;  // as the key holds it
  const char* Typ;           // of candidate 0
};

// Office files written by LibreOffice 7.4 (soffice --headless --convert-to ...): Office Open XML
// begins with the entry "_rels/.rels", OpenDocument and EPUB with "mimetype" and its text.
constexpr const char* Docx =
    "504B030414000808080015B7885D0000000000000000000000000B0000005F72656C732F2E72656C73AD924D4B03"
    "410C86EFFD1543EEDD6C2B88C8CEF622426F22F5078499ECEED0CE073369ADFFDE41";
constexpr const char* Xlsx =
    "504B030414000808080021B7885D0000000000000000000000000B0000005F72656C732F2E72656C73AD92CF6AC3"
    "300C87EF7D0AA37BE3B48531469C5ECAA0B732BA07D06C253189FF606B5BF6F63363";
constexpr const char* Pptx =
    "504B030414000808080035B7885D0000000000000000000000000B0000005F72656C732F2E72656C73AD924D4B03"
    "410C86EFFD15C3DCBBD95610919DED4584DE44EA0F0833D90FECCC844C94FAEF1D8A";
constexpr const char* Odt =
    "504B03041400000800001AB7885D5EC6320C2700000027000000080000006D696D65747970656170706C69636174"
    "696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E74657874504B03";
constexpr const char* Epub =
    "504B03041400000800002BB7885D6F61AB2C1400000014000000080000006D696D65747970656170706C69636174"
    "696F6E2F657075622B7A6970504B03041400000808002BB7885D329DEBFE90000000";
// Files of a Debian system: /usr/bin/ls, libz.so.1, Mcrt1.o, zoneinfo's Europe/Warsaw, the start of
// a Python 3.11 module; and a ZIP start laid out as Microsoft Office saves its documents, with the
// first entry "[Content_Types].xml" and an extra field.
constexpr const char* Ls =
    "7F454C4602010100000000000000000003003E0001000000D0610000000000004000000000000000704702000000"
    "000000000000400038000D0040001F001E0006000000040000004000000000000000";
constexpr const char* Libz =
    "7F454C4602010100000000000000000003003E000100000000000000000000004000000000000000C0D201000000"
    "00000000000040003800090040001C001B0001000000040000000000000000000000";
constexpr const char* Mcrt1 =
    "7F454C4602010100000000000000000001003E000100000000000000000000000000000000000000700000000000"
    "000000000000400000000000400006000500002E7368737472746162002E74657874";
constexpr const char* Warszawa =
    "545A6966320000000000000000000000000000000000000B0000000B00000000000000A50000000B0000001A8000"
    "000099A82AD09B0C17609BD5DAF09CD9AE909DA4B5909EB990909F849790A09AB600";
// A Matroska file written by mkvmerge (MKVToolNix 74) from a subtitle file.
constexpr const char* Mkv =
    "1A45DFA3A34286810142F7810142F2810442F381084282886D6174726F736B614287810442858101185380670100"
    "000000001664114D9B74BC4DBB8C53AB841549A96653AC8210034DBB8C53AB841654";
constexpr const char* Pyc311 = "A70D0D0A00000000A48C0F68B9300000";
constexpr const char* DocxWorda =
    "504B0304140006000800000021000A2B4A0E9A01000062070000130008025B436F6E74656E745F54797065735D2E"
    "786D6C20A2040228A0000200000000000000000000000000000000000000000000";

// clang-format off
constexpr TPrzyklad Przyklady[] = {
    {"Word document by LibreOffice", Docx, "DOCX", "Dokument Microsoft Word (Office Open XML)"},
    {"Excel sheet by LibreOffice", Xlsx, "XLSX", "Arkusz Microsoft Excel (Office Open XML)"},
    {"PowerPoint slides by LibreOffice", Pptx, "PPTX", "Prezentacja Microsoft PowerPoint (Office Open XML)"},
    {"Word document by Microsoft Office", DocxWorda, "DOCX", "Dokument Microsoft Word (Office Open XML)"},
    {"OpenDocument text keeps the catalogue's own row", Odt, "ODT", "Dokument Open Office Writer"},
    {"EPUB book", Epub, "EPUB", "Książka elektroniczna EPUB"},
    {"a Word document renamed to .zip stays a ZIP", Docx, "ZIP", "Archiwum ZIP"},
    {"PIE program", Ls, "", "Program systemu Linux (ELF 64-bit, PIE)"},
    {"shared library by its extension", Libz, "SO", "Biblioteka współdzielona ELF (.so) lub program PIE"},
    {"shared library with a version after .so", Libz, "1", "Biblioteka współdzielona ELF (.so) lub program PIE"},
    {"object file", Mcrt1, "O", "Plik obiektowy ELF (.o, moduł jądra .ko)"},
    {"time zone", Warszawa, "", "Strefa czasowa (TZif, baza tzdata)"},
    {"Python bytecode", Pyc311, "PYC", "Kod bajtowy Pythona 3.11 (PYC)"},
    {"Matroska by its document type", Mkv, "MKV", "Film Matroska (MKV)"},
};
// clang-format on

}  // namespace

TEST(Suplement, PlikiPrawdziwychProgramowNazwane) {
  // The text test reads the file where the catalogue's own tables know nothing of it.
  TFolderTestowy folder;
  const std::string binarny = folder.Zapisz("binarny", std::string("\x7F\x00", 2));
  for (const TPrzyklad& p : Przyklady) {
    SCOPED_TRACE(p.Opis);
    const TWynikWyszukiwania r = Rozpoznaj(KluczZHex(p.Hex, p.Rozszerzenie), binarny);
    ASSERT_TRUE(r.Rozpoznany);
    EXPECT_EQ(r.Kandydaci.front().Typ, cp1250::ZUtf8(p.Typ));
  }
}

// The same Office Open XML start fits the document, sheet and slide rows; with the file's
// extension only its own stays, the catalogue's ZIP rows first among everything else.
TEST(Suplement, WierszeSuplementuZaOdpowiedziamiKatalogu) {
  for (const char* rozszerzenie : {"BIN", ""}) {
    const TWynikWyszukiwania r = Rozpoznaj(KluczZHex(Docx, rozszerzenie));
    ASSERT_GE(r.Kandydaci.size(), 9u);
    EXPECT_EQ(std::vector(r.Kandydaci.begin(), r.Kandydaci.begin() + 6),
              Kandydaci(BazaSygnatur, {316, 317, 318, 319, 315, 314}));
  }
  EXPECT_EQ(Rozpoznaj(KluczZHex(Docx, "XLSX")).Kandydaci.size(), 1u);
}

// Text files: the text table's answer stays first where a supplement row fits by content; the
// supplement's text formats name what the text table doesn't know, and give way to a row that
// knew the content.
TEST(Suplement, PlikiTekstowe) {
  TFolderTestowy folder;
  const auto typy = [](const TWynikWyszukiwania& r) {
    std::vector<std::string> t;
    for (const TKandydat& k : r.Kandydaci) t.push_back(cp1250::NaUtf8(k.Typ));
    return t;
  };
  const auto rozpoznaj = [&](const char* nazwa, const std::string& tresc,
                             const char* rozszerzenie) {
    const std::string sciezka = folder.Zapisz(nazwa, tresc);
    return typy(Rozpoznaj(KluczZBajtow(tresc, rozszerzenie), sciezka));
  };
  using T = std::vector<std::string>;
  EXPECT_EQ(rozpoznaj("skrypt.py", "def f():\n    pass\n", "PY"), T{"Kod źródłowy Pythona"});
  EXPECT_EQ(rozpoznaj("README", "Czytaj mnie.\n", ""),
            T{"Plik tekstowy bez rozszerzenia (README, LICENSE, ustawienia)"});
  EXPECT_EQ(rozpoznaj("notatka.txt", "\xEF\xBB\xBFZażółć\n", "TXT"),
            (T{"Tekst UTF-8 ze znacznikiem BOM", "Dokument tekstowy"}));
  EXPECT_EQ(rozpoznaj("cert", "-----BEGIN CERTIFICATE-----\nMIIB\n", ""),
            T{"Certyfikat X.509 (PEM)"});
  EXPECT_EQ(rozpoznaj("uruchom.py", "#!/usr/bin/env python3\nprint(1)\n", "PY"),
            (T{"Skrypt Pythona", "Skrypt z interpreterem podanym w wierszu #!"}));
  EXPECT_EQ(rozpoznaj("uruchom", "#!/bin/sh\nexit 0\n", ""),
            (T{"Skrypt powłoki sh", "Skrypt z interpreterem podanym w wierszu #!"}));
  EXPECT_EQ(rozpoznaj("nic.qqq", "tekst\n", "QQQ"), T{});
}

// An answer says which table its row came from; a record outside the tables belongs to none.
TEST(Suplement, TabelaWiersza) {
  EXPECT_EQ(TabelaWiersza(BazaSygnatur.front()), "BazaSygnatur");
  EXPECT_EQ(TabelaWiersza(BazaWzorcow.back()), "BazaWzorcow");
  EXPECT_EQ(TabelaWiersza(BazaTekstowa[3]), "BazaTekstowa");
  EXPECT_EQ(TabelaWiersza(SuplementSygnatur.back()), "SuplementSygnatur");
  EXPECT_EQ(TabelaWiersza(SuplementTekstowy.front()), "SuplementTekstowy");
  EXPECT_EQ(TabelaWiersza(KluczZHex("504B", "ZIP")), "");
}

// Rows one file can fit together are shown together: no supplement row repeats the type,
// category and programs of a catalogue row that the same key can fit.
TEST(Suplement, NiePowtarzaWierszyKatalogu) {
  const auto teSame = [](const TOpisPliku& a, const TOpisPliku& b) {
    return a.Typ == b.Typ && a.Kategoria == b.Kategoria && a.Programy == b.Programy;
  };
  for (const TOpisPliku& s : SuplementSygnatur) {
    for (const std::span<const TOpisPliku> tabela :
         {std::span<const TOpisPliku>(BazaSygnatur), std::span<const TOpisPliku>(BazaWzorcow)}) {
      for (const TOpisPliku& w : tabela) {
        EXPECT_FALSE(teSame(s, w) && zasady::PasujaRazem(s.Sygnatura.Tekst(), w.Sygnatura.Tekst()))
            << s.Sygnatura.Tekst() << " " << w.Sygnatura.Tekst();
      }
    }
  }
}

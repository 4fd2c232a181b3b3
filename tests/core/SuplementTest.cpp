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

namespace {

// The first bytes of files written by Debian 12's tools: gzip, compress -b12, xz --format=lzma with
// a 64 KiB dictionary, cpio -H bin, qemu-img (QCOW version 1, VDI), pandoc (a PPTX whose first
// entry is its first slide), ffmpeg (TS, M2TS, a DVD VOB, 3GP, M4V, AC-3, AU), sox (VOC), gpg 2.2
// (a key, a signature, a message encrypted with a password), openssl (a DER certificate), Python
// 3.11's pickle, ImageMagick 6.9 (TGA, XWD, SGI) and mkfs.fat.
// clang-format off
constexpr TPrzyklad NoweFormaty[] = {
    {"gzip", "1F8B0808790A196B0003732E74787400", "GZ", "Dane skompresowane gzip"},
    {"gzipped tar", "1F8B0800000000000003EDDA4DAE34CB", "TGZ", "Archiwum tar skompresowane gzip (TGZ)"},
    {"compress -b12", "1F9D8C3114C8503043010D053514D850", "Z", "Dane skompresowane programem compress (LZW)"},
    {"lzma-alone, 64 KiB dictionary", "5D00000100FFFFFFFFFFFFFFFF001882", "LZMA", "Dane skompresowane LZMA (format lzma-alone)"},
    {"binary cpio", "C77100FE43A1A4810000000001000000", "CPIO", "Archiwum cpio (stary format binarny)"},
    {"QCOW version 1", "514649FB000000010000000000000000", "QCOW", "Obraz dysku QEMU QCOW (wersja 1)"},
    {"QCOW2", "514649FB000000030000000000000000", "QCOW2", "Obraz dysku QEMU QCOW2"},
    {"VDI by qemu-img",
     "3C3C3C2051454D5520564D205669727475616C204469736B20496D616765203E3E3E0A0000000000000000000000"
     "0000000000000000000000000000000000007F10DABE010001008001000001000000",
     "VDI", "Dysk maszyny wirtualnej VDI (VirtualBox, QEMU)"},
    {"PPTX by pandoc",
     "504B03041400020808000D3F895D8BA10C98490300007D0B0000150000007070742F736C696465732F736C696465"
     "312E786D6CCD56CB6E1B3714FD1562802E65CED39A08918258B683A04162C42E0A74",
     "PPTX", "Prezentacja PowerPoint (Office Open XML, od slajdów)"},
    {"MPEG transport stream", "474011100042F0250001C10000FF01FF", "TS", "Strumień transportowy MPEG (TS, telewizja cyfrowa)"},
    {"Blu-ray transport stream", "0EBF4622474011100042F0250001C100", "M2TS", "Strumień transportowy Blu-ray (M2TS)"},
    {"DVD VOB", "000001BA4400040004010189C3F80000", "VOB", "Film DVD-Video (VOB, strumień programowy MPEG-2)"},
    {"3GP", "0000001C667479703367703400000200", "3GP", "Film 3GPP (telefony komórkowe)"},
    {"M4V", "00000020667479704D34562000000200", "M4V", "Film MPEG-4 iTunes (M4V)"},
    {"AC-3", "0B77E9F8544043E106F575F0C0C21818", "AC3", "Dźwięk Dolby Digital (AC-3)"},
    {"Sun/NeXT audio", "2E736E64000000200002B90000000003", "AU", "Dźwięk Sun/NeXT (AU)"},
    {"Creative voice", "437265617469766520566F6963652046696C651A1A001401", "VOC", "Dźwięk Creative Voice (VOC)"},
    {"OpenPGP key", "9833046B190AB016092B06010401DA47", "GPG", "Klucz publiczny OpenPGP (binarny)"},
    {"OpenPGP signature", "8901380400010A0022162104B4A0A63F", "SIG", "Podpis OpenPGP (binarny)"},
    {"OpenPGP message for a password", "8C0D04090302507057A7847E64FEFFD2", "GPG", "Wiadomość zaszyfrowana OpenPGP (hasłem)"},
    {"DER certificate", "308202F9308201E1A003020102021420", "DER", "Certyfikat X.509 (DER)"},
    {"pickle, protocol 4", "80049510000000000000007D948C0161", "PKL", "Zserializowany obiekt Pythona (pickle, protokół 4)"},
    {"TGA", "00000200000000000000000046002E0018002D2F", "TGA", "Obraz Truevision TGA (Targa)"},
    {"XWD", "00000065000000070000000200000018", "XWD", "Zrzut okna X11 (XWD)"},
    {"SGI", "01DA010100030046002E000300000000", "SGI", "Obraz Silicon Graphics (SGI)"},
    {"FAT12 image",
     "EB3C906D6B66732E666174000201010002E000400BF009001200020000000000000000000000292CBF29B84E4F20"
     "4E414D452020202046415431322020200E1FBE5B7CAC22C0740B56B40EBB0700CD10",
     "IMG", "Obraz dysku z systemem plików FAT (FAT12 lub FAT16)"},
};
// clang-format on

}  // namespace

TEST(Suplement, NoweFormatyNazwanePodWlasnaNazwa) {
  // The text test reads the file where the catalogue's own tables know nothing of it.
  TFolderTestowy folder;
  const std::string binarny = folder.Zapisz("binarny", std::string("\x7F\x00", 2));
  for (const TPrzyklad& p : NoweFormaty) {
    SCOPED_TRACE(p.Opis);
    const TWynikWyszukiwania r = Rozpoznaj(KluczZHex(p.Hex, p.Rozszerzenie), binarny);
    ASSERT_TRUE(r.Rozpoznany);
    EXPECT_EQ(r.Kandydaci.front().Typ, cp1250::ZUtf8(p.Typ));
  }
}

// Without a name, whatever the catalogue answered stays first and the new row follows it: a gzip
// file is still the catalogue's gzipped tar first.
TEST(Suplement, NoweFormatyBezNazwyZaOdpowiedziamiKatalogu) {
  const TWynikWyszukiwania r = Rozpoznaj(KluczZHex(NoweFormaty[0].Hex, ""));
  ASSERT_GE(r.Kandydaci.size(), 3u);
  EXPECT_EQ(r.Kandydaci.front().Typ, "Gzipped TAR");
  EXPECT_NE(
      std::ranges::find(r.Kandydaci, cp1250::ZUtf8("Dane skompresowane gzip"), &TKandydat::Typ),
      r.Kandydaci.end());
}

// Rows that pin zeros (TGA's and XWD's empty fields, the padding of lzma-alone's dictionary size)
// still need bytes that a run of zeros or a short file's padding doesn't hold.
TEST(Suplement, ZeraNiePasujaDoWierszySuplementu) {
  for (const std::string_view poczatek : {"", "00", "0000", "5D", "1F", "80", "60"}) {
    SCOPED_TRACE(poczatek);
    std::string hex(poczatek);
    hex.resize(160, '0');
    for (const TOpisPliku& w : SuplementSygnatur) {
      EXPECT_FALSE(PasujeDoWzorca(hex, w.Sygnatura.Tekst())) << w.Sygnatura.Tekst();
    }
  }
}

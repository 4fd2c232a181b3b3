// The lookup over the whole catalogue: which rows become candidates, in which order, and what the
// extension filter leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/Katalog.h"
#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "tests/FolderTestowy.h"
#include "tests/core/Kandydaci.h"

namespace {

const std::string PoczatekZip("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10);

// A ZIP whose first entry, stored uncompressed, is "mimetype" holding the document's MIME type.
std::string PoczatekPakietuBiurowego(std::string_view mime) {
  std::string bajty("PK\x03\x04\x14\x00\x00\x00\x00\x00", 10);
  bajty += std::string("\x4A\x7B\x88\x59", 4);  // time and date
  bajty += std::string("\x85\x6C\x39\x8A", 4);  // CRC-32
  const char dlugosc = static_cast<char>(mime.size());
  bajty += std::string{dlugosc, 0, 0, 0, dlugosc, 0, 0, 0};  // sizes, compressed and not
  bajty += std::string("\x08\x00\x00\x00", 4);               // name and extra field lengths
  return bajty + "mimetype" + std::string(mime) + "PK\x03\x04";
}

std::vector<TKandydat> Polacz(std::vector<TKandydat> a, const std::vector<TKandydat>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

bool Zawiera(const std::vector<TKandydat>& kandydaci, const TKandydat& szukany) {
  return std::find(kandydaci.begin(), kandydaci.end(), szukany) != kandydaci.end();
}

const std::vector<TKandydat> SzescZip = Kandydaci(BazaSygnatur, {316, 317, 318, 319, 315, 314});

}  // namespace

TEST(RozpoznajPlik, ZipZeSwoimRozszerzeniem) {
  const TWynikWyszukiwania r = Rozpoznaj(KluczZBajtow(PoczatekZip, "ZIP"));
  EXPECT_TRUE(r.Rozpoznany);
  EXPECT_EQ(r.Kandydaci, Kandydaci(BazaSygnatur, {317}));
}

TEST(RozpoznajPlik, ZipZObcymRozszerzeniemZostawiaSzescKandydatow) {
  const TWynikWyszukiwania r = Rozpoznaj(KluczZBajtow(PoczatekZip, "BIN"));
  EXPECT_TRUE(r.Rozpoznany);
  EXPECT_EQ(r.Kandydaci, SzescZip);
  std::vector<std::string> rozszerzenia;
  for (const TKandydat& k : r.Kandydaci) rozszerzenia.push_back(k.Rozszerzenie);
  EXPECT_EQ(rozszerzenia, (std::vector<std::string>{"PK3", "ZIP", "CBZ", "WMZ", "IMZ", "JAR"}));
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(PoczatekZip, "")).Kandydaci, SzescZip);
}

// The key from a real file, named in lower case, as the user would have it.
TEST(RozpoznajPlik, PrawdziwyPlikZipOdKluczaDoWyniku) {
  TFolderTestowy folder;
  const std::string sciezka = folder.Zapisz("archiwum.zip", PoczatekZip + std::string(40, 'x'));
  const TWynikWyszukiwania r = Rozpoznaj(ZbudujKlucz(sciezka).Klucz, sciezka);
  EXPECT_EQ(r.Kandydaci, Kandydaci(BazaSygnatur, {317}));
}

TEST(RozpoznajPlik, KluczZSamychZerNieUruchamiaTestuTekstu) {
  TWynikWyszukiwania r;
  EXPECT_NO_THROW(r = Rozpoznaj(KluczZHex("", ""), NieistniejacyPlik));
  EXPECT_EQ(r.Kandydaci, Kandydaci(BazaSygnatur, {2, 3, 1, 0}));
}

TEST(RozpoznajPlik, Gzip1F8B0800) {
  EXPECT_EQ(Rozpoznaj(KluczZHex("1F8B0800", ""), NieistniejacyPlik, BezSuplementu).Kandydaci,
            Kandydaci(BazaSygnatur, {65, 64}));
}

TEST(RozpoznajPlik, ProgramMZ) {
  const std::string mz("MZ\x90\x00\x03\x00\x00\x00\x04\x00\x00\x00\xFF\xFF\x00\x00\xB8", 17);
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(mz, "XYZ")).Kandydaci,
            Kandydaci(BazaSygnatur, {289, 288, 287, 286, 285, 284, 283, 282, 281, 280, 279}));
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(mz, "EXE")).Kandydaci, Kandydaci(BazaSygnatur, {287}));
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(mz, "DLL")).Kandydaci, Kandydaci(BazaSygnatur, {284}));
}

TEST(RozpoznajPlik, PlikTekstowyDemDajeObaWierszeTekstowe) {
  TFolderTestowy folder;
  const std::string sciezka = folder.Zapisz("skrypt.dem", "// Scilab\r\ndisp('Witaj');\r\n");
  const TWynikWyszukiwania r = Rozpoznaj(ZbudujKlucz(sciezka).Klucz, sciezka);
  EXPECT_EQ(r.Kandydaci, Kandydaci(BazaTekstowa, {16, 17}));
}

TEST(RozpoznajPlik, NieznanyPlikNieJestRozpoznany) {
  TFolderTestowy folder;
  const std::string tekst = folder.Zapisz("notatka.qqq", "# Notatka\n\nZwykly tekst.\n");
  EXPECT_FALSE(Rozpoznaj(ZbudujKlucz(tekst).Klucz, tekst).Rozpoznany);
  const std::string binarny = folder.Zapisz("dane.txt", std::string("\x01\x02\x03\x00\x05", 5));
  EXPECT_FALSE(Rozpoznaj(ZbudujKlucz(binarny).Klucz, binarny).Rozpoznany);
}

// What a signature or a pattern recognises never reaches the text table, whatever its name.
TEST(RozpoznajPlik, RozpoznanyPlikNieTrafiaDoTabeliTekstowej) {
  TWynikWyszukiwania r;
  EXPECT_NO_THROW(r = Rozpoznaj(KluczZBajtow("\x89PNG\r\n\x1A\n", "TXT"), NieistniejacyPlik));
  EXPECT_EQ(r.Kandydaci, Kandydaci(BazaSygnatur, {438}));
}

TEST(RozpoznajPlik, ParyDokumentISzablonOpenDocument) {
  const struct {
    const char* Mime;
    std::size_t Dokument;
  } pary[] = {{"application/vnd.oasis.opendocument.graphics", 4},
              {"application/vnd.oasis.opendocument.presentation", 6},
              {"application/vnd.oasis.opendocument.spreadsheet", 8}};
  for (const auto& para : pary) {
    SCOPED_TRACE(para.Mime);
    const std::string bajty = PoczatekPakietuBiurowego(para.Mime);
    const TOpisPliku& dokument = BazaWzorcow[para.Dokument];
    const TOpisPliku& szablon = BazaWzorcow[para.Dokument + 1];
    EXPECT_EQ(Rozpoznaj(KluczZBajtow(bajty, "")).Kandydaci,
              Polacz(SzescZip, Kandydaci(BazaWzorcow, {para.Dokument, para.Dokument + 1})));
    EXPECT_EQ(Rozpoznaj(KluczZBajtow(bajty, dokument.Rozszerzenie.Tekst())).Kandydaci,
              std::vector{Kandydat(dokument)});
    EXPECT_EQ(Rozpoznaj(KluczZBajtow(bajty, szablon.Rozszerzenie.Tekst())).Kandydaci,
              std::vector{Kandydat(szablon)});
  }
}

TEST(RozpoznajPlik, DokumentTekstowyOpenDocument) {
  const std::string bajty = PoczatekPakietuBiurowego("application/vnd.oasis.opendocument.text");
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(bajty, "")).Kandydaci,
            Polacz(SzescZip, Kandydaci(BazaWzorcow, {0})));
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(bajty, "ODT")).Kandydaci, Kandydaci(BazaWzorcow, {0}));
}

// "0000002" ends inside the fourth byte: it fixes the high digit 2 and leaves the low one free.
TEST(RozpoznajPlik, NieparzystaSygnatura0000002) {
  const TKandydat xwd = Kandydat(BazaSygnatur[10]);
  EXPECT_TRUE(Zawiera(Rozpoznaj(KluczZHex("00000020", "")).Kandydaci, xwd));
  EXPECT_TRUE(Zawiera(Rozpoznaj(KluczZHex("0000002F", "")).Kandydaci, xwd));
  EXPECT_FALSE(Zawiera(Rozpoznaj(KluczZHex("0000001F", "")).Kandydaci, xwd));
  EXPECT_FALSE(Zawiera(Rozpoznaj(KluczZHex("00000030", "")).Kandydaci, xwd));
  EXPECT_EQ(Rozpoznaj(KluczZHex("0000002F", "XWD")).Kandydaci, std::vector{xwd});
}

TEST(RozpoznajPlik, CzwartyBajtEADajeDwaIdentyczneKandydaty) {
  const std::string rom("\x2E\x00\x00\xEA\x24\xFF\xAE\x51\x69\x9A\xA2\x21", 12);
  const std::vector<TKandydat> oba = Kandydaci(BazaWzorcow, {66, 67});
  EXPECT_EQ(oba[0], oba[1]);
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(rom, "GBA")).Kandydaci, oba);
  EXPECT_EQ(Rozpoznaj(KluczZBajtow(rom, "")).Kandydaci, oba);
}

TEST(RozpoznajPlik, NapisyMicroDvdOdJednegoDoSzesciuZnakowMiedzyKlamrami) {
  for (std::size_t n = 1; n <= 6; ++n) {
    const std::string linia = "{" + std::string(n, '1') + "}{250}Pierwsza linia napisu\r\n";
    EXPECT_EQ(Rozpoznaj(KluczZBajtow(linia, "TXT")).Kandydaci, Kandydaci(BazaWzorcow, {32 + n}))
        << linia;
  }
  TFolderTestowy folder;
  const std::string siedem = folder.Zapisz("film.txt", "{1234567}{1234568}Linia\r\n");
  EXPECT_EQ(Rozpoznaj(ZbudujKlucz(siedem).Klucz, siedem).Kandydaci, Kandydaci(BazaTekstowa, {18}));
}

TEST(RozpoznajPlik, ListyCzyszczoneNaPoczatku) {
  TListaTekstow typy{"stary"}, rozszerzenia{"STA", "RY"}, kategorie{"x"}, programy{"y", "z"};
  EXPECT_TRUE(RozpoznajPlik(KluczZBajtow(PoczatekZip, "ZIP"), NieistniejacyPlik, typy, rozszerzenia,
                            kategorie, programy));
  EXPECT_EQ(typy, TListaTekstow{"Archiwum ZIP"});
  EXPECT_EQ(rozszerzenia, TListaTekstow{"ZIP"});
  EXPECT_EQ(kategorie, TListaTekstow{"Archiwum"});
  EXPECT_EQ(programy.size(), 1u);

  TFolderTestowy folder;
  const std::string binarny = folder.Zapisz("dane", std::string("\x01\x02\x03\x00", 4));
  EXPECT_FALSE(
      RozpoznajPlik(ZbudujKlucz(binarny).Klucz, binarny, typy, rozszerzenia, kategorie, programy));
  EXPECT_TRUE(typy.empty() && rozszerzenia.empty() && kategorie.empty() && programy.empty());
}

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "catalogue/Katalog.h"
#include "cli/Wypis.h"
#include "cli/Wyswietlanie.h"
#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "text/Cp1250.h"

namespace {

TOpisPliku Wiersz(std::string_view typ, std::string_view kategoria, std::string_view programy) {
  TOpisPliku wiersz;
  wiersz.Rozszerzenie.Ustaw("ERR");
  wiersz.Typ.Ustaw(typ);
  wiersz.Kategoria.Ustaw(kategoria);
  wiersz.Programy.Ustaw(programy);
  return wiersz;
}

TRozpoznanie Rozpoznany(std::string_view rozszerzenie = "ERR") {
  // A row of the catalogue names its table; one made here names none.
  static const TOpisPliku& Log = BazaTekstowa[11];
  static const TOpisPliku BezProgramow = Wiersz("Bez programow", "", "");
  TRozpoznanie r;
  r.Stan = TStan::Rozpoznany;
  r.Odczyt.TekstSzesnastkowy = std::string(160, '0');
  r.Odczyt.Klucz.Rozszerzenie.Ustaw(rozszerzenie);
  r.Kandydaci = {&Log, &BezProgramow};
  return r;
}

TRozpoznanie Nierozpoznany(std::string_view rozszerzenie) {
  TRozpoznanie r;
  r.Stan = TStan::Nierozpoznany;
  r.Odczyt.TekstSzesnastkowy = "0102030405060708090A0B" + std::string(138, '0');
  r.Odczyt.Klucz.Rozszerzenie.Ustaw(rozszerzenie);
  r.Odczyt.Rozmiar = 11;
  return r;
}

TEST(Opis, KandydaciPoKoleiZProgramamiRazemITekstemWUtf8) {
  std::string wyjscie;
  DopiszOpis(wyjscie, "/dane/log.err", Rozpoznany());
  EXPECT_EQ(wyjscie,
            "/dane/log.err\n"
            "  1. type: Log błędu programu\n"
            "     category: Dokument tekstowy\n"
            "     programs: Notatnik, Notepad+, Notepad2\n"
            "  2. type: Bez programow\n"
            "     category: \n"
            "     programs: (none)\n");
}

TEST(Opis, NierozpoznanyPlikPodajeDziesiecPierwszychBajtowRozszerzenieIRozmiar) {
  std::string wyjscie = "earlier output\n";
  DopiszOpis(wyjscie, "x.bin", Nierozpoznany("BIN"));
  DopiszOpis(wyjscie, "x", Nierozpoznany(""));
  EXPECT_EQ(
      wyjscie,
      "earlier output\n"
      "x.bin\n"
      "  not recognised: first bytes 0102030405060708090A, extension BIN, size 11 bytes\n"
      "x\n"
      "  not recognised: first bytes 0102030405060708090A, extension (none), size 11 bytes\n");
}

TEST(Opis, ZnakiSterujaceSciezkiNieDocierajaDoTerminala) {
  EXPECT_EQ(DoWyswietlenia("a\nb\x1B[31m\x7F\u0107"), "a\\x0Ab\\x1B[31m\\x7F\u0107");
  // C1 controls, as UTF-8 and as raw bytes; CSI alone is enough to start a command.
  EXPECT_EQ(DoWyswietlenia("\u009B2J|\x9B|\u0080"), "\\xC2\\x9B2J|\\x9B|\\xC2\\x80");
  // Overrides and isolates that would show the name's end reversed; U+2069 is the last one.
  EXPECT_EQ(DoWyswietlenia("gpj.\u202Eexe\u2066\u2069\u206A"),
            "gpj.\\xE2\\x80\\xAEexe\\xE2\\x81\\xA6\\xE2\\x81\\xA9\u206A");
  // Overlong forms a terminal might decode to ESC or to CSI, and a truncated sequence.
  EXPECT_EQ(DoWyswietlenia("\xC0\x9B\xE0\x80\x9B\xE2\x80"), "\\xC0\\x9B\\xE0\\x80\\x9B\\xE2\\x80");
}

// Printable ASCII is let through eight bytes at a time: a byte just outside it must be caught at
// every place within those eight and in the bytes after them.
TEST(Opis, BajtTuzPozaDrukowalnymiZlapanyWKazdymMiejscu) {
  const std::string tlo = "abcdefghijklmnopqrst";
  for (std::size_t i = 0; i < tlo.size(); ++i) {
    for (const auto& [bajt, pokazany] : {std::pair<char, std::string>{'\x1F', "\\x1F"},
                                         {'\x7F', "\\x7F"},
                                         {'\x80', "\\x80"},
                                         {'\xFF', "\\xFF"},
                                         {'\x00', "\\x00"},
                                         {' ', " "},
                                         {'~', "~"}}) {
      std::string nazwa = tlo;
      nazwa[i] = bajt;
      const std::string oczekiwany = tlo.substr(0, i) + pokazany + tlo.substr(i + 1);
      EXPECT_EQ(DoWyswietlenia(nazwa), oczekiwany) << i;
    }
  }
}

TEST(Opis, RozszerzenieNierozpoznanegoPlikuZUcieczkaJakSciezka) {
  for (const char* nazwa : {"x.\x1B[2J", "y.\nFAKE", "z.\x1B]0;T\x07"}) {
    std::string wyjscie;
    DopiszOpis(wyjscie, nazwa, Nierozpoznany(PobierzRozszerzenie(nazwa)));
    EXPECT_EQ(wyjscie.find_first_of("\x1B\x07"), std::string::npos) << wyjscie;
    EXPECT_EQ(std::count(wyjscie.begin(), wyjscie.end(), '\n'), 2) << wyjscie;
  }
}

// The text test's error quotes the path; whatever carries it to standard error escapes it.
TEST(Opis, KomunikatyBleduZeSciezkaZUcieczka) {
  const TPlikDoOdczytu brak("/nie-ma/\x1B]0;T\x07\n.txt");
  const std::string komunikat = KomunikatBledu(EBladOtwarciaPliku(brak).what());
  EXPECT_EQ(komunikat.find_first_of("\x1B\x07"), std::string::npos) << komunikat;
  EXPECT_EQ(komunikat.find('\n'), komunikat.size() - 1) << komunikat;
  EXPECT_EQ(KomunikatBledu("a\x9B.txt", "No such file"),
            "rozpoznik-cli: a\\x9B.txt: No such file\n");
}

TEST(Json, JedenWierszZPolamiWSwojejKolejnosci) {
  std::string wyjscie;
  DopiszJson(wyjscie, "/dane/log.err", Rozpoznany());
  ASSERT_EQ(wyjscie.back(), '\n');
  ASSERT_EQ(wyjscie.find('\n'), wyjscie.size() - 1);
  const auto plik = nlohmann::ordered_json::parse(wyjscie);
  std::vector<std::string> klucze;
  for (const auto& [klucz, wartosc] : plik.items()) klucze.push_back(klucz);
  EXPECT_EQ(klucze, (std::vector<std::string>{"path", "size", "extension", "bytes", "recognised",
                                              "extension_matches", "candidates"}));
  EXPECT_EQ(plik["extension_matches"], true);
  EXPECT_EQ(plik["bytes"], std::string(160, '0'));
  EXPECT_EQ(plik["recognised"], true);
  ASSERT_EQ(plik["candidates"].size(), 2u);
  EXPECT_EQ(plik["candidates"][0],
            nlohmann::ordered_json::parse(R"({"extension": "ERR", "type": "Log błędu programu",
               "category": "Dokument tekstowy", "programs": ["Notatnik", "Notepad+", "Notepad2"],
               "matched": {"table": "BazaTekstowa", "signature": null, "pinned_bytes": 0}})"));
  EXPECT_EQ(plik["candidates"][1]["programs"], nlohmann::json::array());
}

// A name that claims no type, and a file nothing recognised, are not mismatches.
TEST(Opis, NiezgodnoscZaznaczonaWWierszuSciezkiTylkoGdyNazwaPodajeInnyTyp) {
  const auto pierwszaLinia = [](const TRozpoznanie& r) {
    std::string wyjscie;
    DopiszOpis(wyjscie, "plik", r);
    return wyjscie.substr(0, wyjscie.find('\n'));
  };
  EXPECT_EQ(pierwszaLinia(Rozpoznany("JPG")), "plik [mismatch]");
  EXPECT_EQ(pierwszaLinia(Rozpoznany("ERR")), "plik");
  EXPECT_EQ(pierwszaLinia(Rozpoznany("")), "plik");
  EXPECT_EQ(pierwszaLinia(Nierozpoznany("JPG")), "plik");

  std::string json;
  DopiszJson(json, "plik", Rozpoznany("JPG"));
  DopiszJson(json, "plik", Nierozpoznany("JPG"));
  const std::size_t koniec = json.find('\n');
  EXPECT_EQ(nlohmann::json::parse(json.substr(0, koniec))["extension_matches"], false);
  EXPECT_EQ(nlohmann::json::parse(json.substr(koniec + 1))["extension_matches"], false);
}

TEST(Opis, WyjasnienieNazywaTabeleIZaznaczaRozstrzygajaceCyfry) {
  const auto wiersz = [](const auto& tabela, std::string_view sygnatura) {
    return &*std::ranges::find(tabela, sygnatura,
                               [](const TOpisPliku& w) { return w.Sygnatura.Tekst(); });
  };
  const auto wyjasnienie = [](std::string poczatek, std::vector<const TOpisPliku*> kandydaci,
                              std::string_view rozszerzenie = "ERR") {
    TRozpoznanie r = Rozpoznany();
    r.Odczyt.Klucz.Rozszerzenie.Ustaw(rozszerzenie);
    r.Odczyt.TekstSzesnastkowy = std::move(poczatek);
    r.Odczyt.TekstSzesnastkowy.resize(160, '0');
    r.Kandydaci = std::move(kandydaci);
    std::string wyjscie;
    DopiszOpis(wyjscie, "a.err", r, true);
    return wyjscie;
  };
  std::string wyjscie = wyjasnienie("0000", {wiersz(BazaSygnatur, "0000"), &BazaTekstowa[11]});
  EXPECT_NE(wyjscie.find("     matched in BazaSygnatur: signature 0000\n"
                         "     00 00\n"
                         "     ^^ ^^\n"),
            std::string::npos)
      << wyjscie;
  EXPECT_NE(wyjscie.find("     matched in BazaTekstowa: text format for the extension ERR,"),
            std::string::npos)
      << wyjscie;
  // Without an extension a text format was shown by the file's lines, not by its name.
  wyjscie = wyjasnienie("7B7D", {&BazaTekstowa[11]}, "");
  EXPECT_NE(wyjscie.find("     matched in BazaTekstowa: text format its first lines show (ERR),"),
            std::string::npos)
      << wyjscie;
  // An ELF header fits a supplement pattern whose last fixed digits are in its 18th byte.
  wyjscie = wyjasnienie("7F454C4602010100000000000000000002003E00",
                        {wiersz(SuplementSygnatur, "7F454C46**01********************0200")});
  EXPECT_NE(wyjscie.find("     matched in SuplementSygnatur: pattern 7F454C46**01"
                         "********************0200\n"
                         "     7F 45 4C 46 02 01 01 00 00 00 00 00 00 00 00 00\n"
                         "     ^^ ^^ ^^ ^^    ^^\n"
                         "     02 00\n"
                         "     ^^ ^^\n"),
            std::string::npos)
      << wyjscie;
  // A 64-bit PIE: the pattern leaves bytes 32 to 63 free, and their lines of marks are empty.
  const std::string pie =
      "7F454C46020101" + std::string(18, '0') + "0300" + std::string(92, '0') + "06000000";
  wyjscie =
      wyjasnienie(pie, {wiersz(SuplementSygnatur, "7F454C46020101" + std::string(18, '*') + "0300" +
                                                      std::string(92, '*') + "06000000")});
  EXPECT_NE(wyjscie.find("     00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
                         "\n"
                         "     06 00 00 00\n"
                         "     ^^ ^^ ^^ ^^\n"),
            std::string::npos)
      << wyjscie;
}

TEST(Csv, WierszNaKandydataZeSciezkaWCudzyslowieGdyMaPrzecinkiCudzyslowyLubKonceWierszy) {
  std::string csv(NaglowekCsv);
  DopiszCsv(csv, "a,\"b\"\nc.err", Rozpoznany());
  DopiszCsv(csv, "zwykly.bin", Nierozpoznany("BIN"));
  // A carriage return alone ends a row for many readers, as a line feed does.
  DopiszCsv(csv, "a\rb.bin", Nierozpoznany("BIN"));
  DopiszCsvDowiazania(csv, "pw", "/etc/a,b\xFF");
  EXPECT_EQ(csv,
            "path,size,extension,recognised,extension_matches,candidate,type,category,programs,"
            "table,signature,link\r\n"
            "\"a,\"\"b\"\"\nc.err\",0,ERR,true,true,1,Log błędu programu,Dokument tekstowy,"
            "Notatnik; Notepad+; Notepad2,BazaTekstowa,,\r\n"
            "\"a,\"\"b\"\"\nc.err\",0,ERR,true,true,2,Bez programow,,,,,\r\n"
            "zwykly.bin,11,BIN,false,false,,,,,,,\r\n"
            "\"a\rb.bin\",11,BIN,false,false,,,,,,,\r\n"
            "pw,,,,,,,,,,,\"/etc/a,b\xFF\"\r\n");
}

// A link's target is chosen by whoever made the tree, as a name is, and each form guards it the
// way it guards the path.
TEST(Dowiazanie, CelZUcieczkaJakSciezkaWTekscieIJson) {
  const std::string cel = "\x1B]0;tytul\x07/etc/\xC5\x82\xFF";
  std::string tekst;
  DopiszOpisDowiazania(tekst, "drzewo/\x1B[2Jpw", cel);
  EXPECT_EQ(tekst,
            "drzewo/\\x1B[2Jpw\n"
            "  symbolic link to \\x1B]0;tytul\\x07/etc/\xC5\x82\\xFF, not followed\n");

  std::string json;
  DopiszJsonDowiazania(json, "drzewo/pw", cel);
  ASSERT_EQ(json.back(), '\n');
  EXPECT_EQ(json.find('\n'), json.size() - 1);
  const nlohmann::json obiekt = nlohmann::json::parse(json);
  EXPECT_EQ(obiekt, (nlohmann::json{{"path", "drzewo/pw"},
                                    {"link", "\x1B]0;tytul\x07/etc/\xC5\x82\xEF\xBF\xBD"}}));
}

}  // namespace

namespace {

// An ID3 tag that FLAC follows: the catalogue's row for the tag, then the probe's behind it.
TRozpoznanie FlacZaId3() {
  const TOpisPliku* id3 = &*std::ranges::find(
      BazaSygnatur, "494433", [](const TOpisPliku& w) { return w.Sygnatura.Tekst(); });
  const TOpisPliku* flac = &WierszSondy(TWierszSondy::FlacZaId3);
  TRozpoznanie r = Rozpoznany("FLAC");
  r.Odczyt.TekstSzesnastkowy = "4944330300000000176754" + std::string(138, '0');
  r.Kandydaci = {id3, flac};
  r.Sondy = {{{flac, "id3", 3057, 4}, "664C6143", {}}};
  return r;
}

TEST(WypisSondy, JsonNazywaSondeIPrzesuniecie) {
  std::string wyjscie;
  DopiszJson(wyjscie, "a.flac", FlacZaId3());
  const auto plik = nlohmann::ordered_json::parse(wyjscie);
  EXPECT_EQ(plik["candidates"][0]["matched"],
            nlohmann::ordered_json::parse(
                R"({"table": "BazaSygnatur", "signature": "494433", "pinned_bytes": 3})"));
  EXPECT_EQ(plik["candidates"][1]["matched"],
            nlohmann::ordered_json::parse(R"({"table": "SuplementSond", "signature": null,
               "pinned_bytes": 4, "probe": "id3", "offset": 3057})"));
}

TEST(WypisSondy, WyjasnieniePokazujeBajtyPodPrzesunieciem) {
  std::string wyjscie;
  DopiszOpis(wyjscie, "a.flac", FlacZaId3(), true);
  EXPECT_NE(wyjscie.find("  2. type: Dźwięk bezstratny FLAC za znacznikiem ID3v2\n"),
            std::string::npos);
  EXPECT_NE(wyjscie.find("     matched in SuplementSond: probe id3, bytes at offset 3057\n"
                         "     66 4C 61 43\n"
                         "     ^^ ^^ ^^ ^^\n"),
            std::string::npos)
      << wyjscie;
}

TEST(WypisSondy, UszeregowanieLiczyBajtyPrzypietePrzezSonde) {
  TRozpoznanie r = FlacZaId3();
  UszeregujWedlugPrzypietych(r);
  ASSERT_EQ(r.Kandydaci.size(), 2u);
  EXPECT_EQ(r.Kandydaci[0], &WierszSondy(TWierszSondy::FlacZaId3));
}

}  // namespace

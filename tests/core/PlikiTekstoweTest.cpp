// Text files named as a text format, whose first bytes happen to begin a short signature, and
// short files, which only the bytes they have may match.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <string>
#include <vector>

#include "catalogue/Katalog.h"
#include "catalogue/PustyPlik.h"
#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "tests/core/Kandydaci.h"
#include "tests/core/PlikiTestowe.h"

namespace {

class PlikiTekstowe : public TTestZPlikami {
 protected:
  std::vector<TKandydat> Kandydaci(const std::string& nazwa, const std::string& tresc,
                                   const TSuplement& suplement = SuplementKatalogu) {
    const std::string sciezka = folder_.Zapisz(nazwa, tresc);
    return Rozpoznaj(ZbudujKlucz(sciezka).Klucz, sciezka, suplement).Kandydaci;
  }
  std::string Pierwszy(const std::string& nazwa, const std::string& tresc,
                       const TSuplement& suplement = SuplementKatalogu) {
    const std::vector<TKandydat> k = Kandydaci(nazwa, tresc, suplement);
    return k.empty() ? "(nic)" : k.front().Rozszerzenie + " " + k.front().Typ;
  }
};

// The one row of a table with that extension and type words, found by the words, so that the
// test does not hang on the row's number.
std::string Wiersz(std::span<const TOpisPliku> tabela, std::string_view rozszerzenie,
                   std::string_view slowa = "") {
  for (const TOpisPliku& w : tabela) {
    if (w.Rozszerzenie.Tekst() == rozszerzenie && w.Typ.Tekst().find(slowa) != std::string::npos)
      return std::string(w.Rozszerzenie.Tekst()) + " " + std::string(w.Typ.Tekst());
  }
  ADD_FAILURE() << "no row " << rozszerzenie << " " << slowa;
  return {};
}

std::string Tekstowy(std::string_view rozszerzenie) {
  for (const auto tabela : {std::span<const TOpisPliku>(BazaTekstowa),
                            std::span<const TOpisPliku>(SuplementTekstowy)}) {
    for (const TOpisPliku& w : tabela) {
      if (w.Rozszerzenie.Tekst() == rozszerzenie) return Wiersz(tabela, rozszerzenie);
    }
  }
  ADD_FAILURE() << "no text row " << rozszerzenie;
  return {};
}

}  // namespace

// Each text, named as its text format, is that format, and only that: the extension filter drops
// the signatures of other extensions. The same bytes under a name without an extension keep the
// short signature's answer, as the catalogue gives it.
TEST_F(PlikiTekstowe, KrotkaSygnaturaUstepujeNazwieFormatuTekstowego) {
  const struct {
    const char* Nazwa;
    const char* Tresc;
    const char* BezNazwy;  // in the first answer for the file named "plik"
  } przypadki[] = {
      {"dane.csv", "10,20,30\n40,50,60\n", "WINAL"},
      {"skrypt.py", "x = 1\nprint(x)\n", "DMG"},
      {"dane.json", "[1, 2, 3]\n", "INI"},
      {"README.md", "[![status](odznaka.svg)](ci)\n", "INI"},
      {"napisy.ssa", "[Events]\nFormat: Layer, Start\n", "INI"},
      {"styl.css", "/* kolory */\nbody { color: red; }\n", "CPP"},
      {"app.js", "/* modul */\nvar x = 1;\n", "CPP"},
      {"dane.xml", "<?xml version='1.0' encoding='us-ascii'?>\n<a />\n", "Help 2"},
      {"notatki.md", "ML notes: gradient descent\n", "3DS"},
      {"todo.md", "P1 fix the login\n", "PBM"},
      {"ustawienia.conf", "true\n", "TrueType"},
      {"wzory.txt", "x^2 + 1 = 0\n", "zlib"},
      {"siec.txt", "MAC address: 00:11:22\n", "APE"},
      {"pomiar.log", "PPU load 80%\n", "PPU"},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.Nazwa);
    const std::string nazwa = p.Nazwa;
    std::string rozszerzenie;
    for (const char c : nazwa.substr(nazwa.rfind('.') + 1))
      rozszerzenie += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::vector<TKandydat> nazwany = Kandydaci(nazwa, p.Tresc);
    ASSERT_FALSE(nazwany.empty());
    EXPECT_EQ(nazwany.front().Rozszerzenie + " " + nazwany.front().Typ, Tekstowy(rozszerzenie));
    for (const TKandydat& k : nazwany) EXPECT_EQ(k.Rozszerzenie, rozszerzenie);
    EXPECT_NE(Pierwszy("plik", p.Tresc).find(p.BezNazwy), std::string::npos);
  }
}

// A Visual Basic form starts "VERSION ", 8 bytes of a signature with an unknown format behind
// it; the rule is the same for a supplement's text format as for the catalogue's.
TEST_F(PlikiTekstowe, RegulaObejmujeTekstoweWierszeSuplementu) {
  std::array<TOpisPliku, 1> formularz{};
  formularz[0].Rozszerzenie.Ustaw("FRM");
  formularz[0].Typ.Ustaw("Formularz Visual Basic 6");
  const TSuplement zFormularzem{SuplementSygnatur, formularz};
  const std::string tresc = "VERSION 5.00\r\nBegin VB.Form Form1\r\n";
  EXPECT_EQ(Kandydaci("Form1.frm", tresc, zFormularzem), std::vector{Kandydat(formularz[0])});
  EXPECT_EQ(Pierwszy("Form1.frm", tresc), Wiersz(BazaSygnatur, "MDL", "VERSION"));
}

// Long signatures, and those of the file's own extension, keep the place the catalogue gives
// them, before any text format.
TEST_F(PlikiTekstowe, DlugaLubWlasnaSygnaturaZostajePierwsza) {
  const struct {
    const char* Nazwa;
    const char* Tresc;
    std::string Pierwszy;
  } przypadki[] = {
      {"list.rtf", "{\\rtf1\\ansi\\deff0 Witaj}\n", Wiersz(BazaSygnatur, "RTF")},
      {"wydruk.ps", "%!PS-Adobe-3.0\n", Wiersz(BazaSygnatur, "PS")},
      {"strona.html", "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n",
       Wiersz(BazaSygnatur, "HTML", "Strona")},
      {"strona.htm", "<html><body>x</body></html>\n", "HTM Strona internetowa HTML"},
      {"rysunek.svg", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg/>\n",
       Wiersz(BazaSygnatur, "SVG")},
      {"ikona.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n",
       Wiersz(SuplementSygnatur, "SVG")},
      {"dane.xml", "<?xml version=\"1.0\" ?>\n<a/>\n",
       "XML Dokument XML (Extensible Markup Language)"},
      {"budowa.py", "#!/usr/bin/env python3\nprint(1)\n", Wiersz(SuplementSygnatur, "", "Pythona")},
      {"start.sh", "#!/bin/sh\necho 1\n", Wiersz(SuplementSygnatur, "", "pow\xB3oki sh")},
      {"notatka.txt", "[autorun]\nopen=setup.exe\n", Wiersz(BazaSygnatur, "INF")},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.Nazwa);
    EXPECT_EQ(Pierwszy(p.Nazwa, p.Tresc), p.Pierwszy);
  }
}

// What is not text keeps the catalogue's answer under a text format's name; the key alone shows
// it, without reading the file.
TEST_F(PlikiTekstowe, PlikBinarnyZNazwaTekstowaBezZmian) {
  const std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  EXPECT_EQ(Pierwszy("obraz.txt", png), Wiersz(BazaSygnatur, "PNG", "Portable"));
  // Printable at the start, a zero byte further on: the whole file decides.
  const std::string zlib = "x^" + std::string(200, 'a') + std::string(1, '\0');
  EXPECT_EQ(Pierwszy("dane.txt", zlib), Wiersz(BazaSygnatur, "DMG", "zlib"));
  TWynikWyszukiwania r;
  EXPECT_NO_THROW(r = Rozpoznaj(KluczZBajtow(png, "TXT"), NieistniejacyPlik));
  EXPECT_TRUE(r.Rozpoznany);
}

TEST_F(PlikiTekstowe, PustyPlikMaJednaOdpowiedz) {
  for (const char* nazwa : {"pusty", "pusty.txt", "pusty.zip", "pusty.csv"}) {
    SCOPED_TRACE(nazwa);
    EXPECT_EQ(Kandydaci(nazwa, ""), std::vector{Kandydat(OpisPustegoPliku)});
  }
  // The text test is not asked, whatever the name.
  TOpisPliku pusty;
  pusty.Rozszerzenie.Ustaw("TXT");
  EXPECT_EQ(Rozpoznaj(pusty).Kandydaci, std::vector{Kandydat(OpisPustegoPliku)});
}

namespace {

bool MaRozszerzenie(const std::vector<TKandydat>& kandydaci, std::string_view rozszerzenie) {
  return std::ranges::any_of(kandydaci,
                             [&](const TKandydat& k) { return k.Rozszerzenie == rozszerzenie; });
}

}  // namespace

// A signature's bytes past the end of the file are not zeros that match.
TEST_F(PlikiTekstowe, KrotkiPlikPasujeTylkoTymCoMa) {
  // dBASE wants zeros at offsets 13 and 14, INI was met by a pattern's zeros.
  EXPECT_FALSE(MaRozszerzenie(Kandydaci("klamra", "{"), "DBF"));
  EXPECT_FALSE(MaRozszerzenie(Kandydaci("krotki", "{\"a\":1}"), "INI"));
  EXPECT_EQ(Pierwszy("krotki.json", "{\"a\":1}"), Tekstowy("JSON"));
  // All of a signature within the file fits; one byte short, it does not.
  const std::string rar("Rar!\x1A\x07\x00", 7);
  EXPECT_EQ(Pierwszy("a.rar", rar), Wiersz(BazaSygnatur, "RAR"));
  EXPECT_FALSE(MaRozszerzenie(Kandydaci("a.rar", rar.substr(0, 3)), "RAR"));
  EXPECT_EQ(Pierwszy("a.zip", "PK\x03\x04"), Wiersz(BazaSygnatur, "ZIP"));
}

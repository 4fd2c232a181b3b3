// Text files whose name has no extension, told apart by the shape of their first lines; and the
// place of that answer among the candidates.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "catalogue/Katalog.h"
#include "engine/Klucz.h"
#include "engine/TrescTekstu.h"
#include "tests/core/Kandydaci.h"
#include "tests/core/PlikiTestowe.h"

namespace {

struct TPrzyklad {
  std::string_view Rozszerzenie;
  std::string_view Tresc;
};

// Each format as its usual writers start it, at least two ways where writers differ.
constexpr TPrzyklad Przyklady[] = {
    {"SH", "#!/bin/sh\nset -e\n"},
    {"SH", "#!/usr/bin/env bash\necho x\n"},
    {"PY", "#!/usr/bin/env -S python3 -u\nprint(1)\n"},
    {"PY", "import sys\nprint(sys.argv)\n"},
    {"PY", "\"\"\"Module.\"\"\"\n\ndef f(x):\n    return x\n"},
    {"PL", "#!/usr/bin/perl -w\nuse strict;\n"},
    {"JS", "#!/usr/bin/node\nconsole.log(1)\n"},
    {"JS", "/* heading */\nexport function f() { return 2; }\n"},
    {"JS", "import x from 'y';\nx();\n"},
    {"JSON", "{\"name\": \"x\", \"n\": 1}\n"},
    {"JSON", "\xEF\xBB\xBF  [1, 2, 3]\n"},
    {"JSON", "[true, false]\n"},
    {"JSON", "{\n  \"a\": [\n"},
    {"XML", "<?xml version=\"1.0\"?>\n<a><b/></a>\n"},
    {"XML", "<section xmlns=\"http://docbook.org/ns/docbook\">\n<title>T</title></section>\n"},
    {"SVG", "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n"},
    {"HTML", "<!DOCTYPE html>\n<html lang=\"pl\">\n"},
    {"HTML", "<HTML><BODY>x</BODY></HTML>\n"},
    {"INI", "[core]\n\trepositoryformatversion = 0\n"},
    {"INI", "; comment\n[section]\nkey=value\n"},
    {"SRT", "1\n00:00:01,000 --> 00:00:02,500\nText\n"},
    {"VTT", "WEBVTT\n\n00:01.000 --> 00:02.000\nText\n"},
    {"PO", "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n"},
    {"TEX", "% comment\n\\documentclass{article}\n\\begin{document}\n"},
    {"S", "\t.file\t\"a.c\"\n\t.text\n\t.globl\tmain\n"},
    {"C", "/* x */\n#include <stdio.h>\nint main(void) { return 0; }\n"},
    {"CPP", "#include <vector>\nstd::vector<int> v;\n"},
    {"JAVA", "package a.b;\n\npublic class A {}\n"},
    {"JAVA", "public class Klasa1 { }\n"},
    {"CSS", "body { color: #333; }\n"},
    {"CSS", "/* heading */\nh1 { margin: 0; }\n"},
    {"CSS", "@charset \"utf-8\";\n"},
    {"MD", "# Title\n\nSome **bold** text.\n"},
    {"MD", "Text with a [link](http://example.org/).\n"},
    {"RST", "Title\n=====\n\nText.\n"},
    {"RST", ".. note::\n\n   Text.\n"},
    {"ORG", "#+TITLE: Notes\n* Heading\n"},
    {"ORG", "* Heading\n  :PROPERTIES:\n  :END:\n"},
    {"YAML", "---\nkey: value\n"},
    {"YAML", "name: x\nlist:\n  - 1\n  - 2\n"},
    {"CSV", "a,b,c\n1,2,3\n4,5,6\n"},
    {"CSV", "year;value\n2020;1\n2021;2\n"},
};

// Text in which no format shows: prose, a list with one line, lines that only look alike.
constexpr std::string_view Bez[] = {
    "",
    "   \n\n",
    "Meeting notes\nAnna, Piotr and Jan came.\nNothing was decided yet\n",
    "The quick brown fox jumps over the lazy dog.\n",
    "[section]\n",       // a section without keys
    "{ not json }\n",    // a brace without a name after it
    "#!\n",              // no interpreter
    "#!/opt/unknown\n",  // one we don't know
    "x\n",
    "-----BEGIN CERTIFICATE-----\nMIIB\n",  // a PEM header, not a YAML document start
    "1\nnot a time\n",                      // a number without the cue times of a subtitle
    "a,b\n",                                // one line says nothing about columns
    "a,b\n1,2,3\n",                         // and columns must agree
};

class TrescTekstu : public TTestZPlikami {
 protected:
  std::vector<TKandydat> Kandydaci(const std::string& nazwa, const std::string& tresc) {
    const std::string sciezka = folder_.Zapisz(nazwa, tresc);
    return Rozpoznaj(ZbudujKlucz(sciezka).Klucz, sciezka).Kandydaci;
  }
};

std::vector<std::string> Rozszerzenia(const std::vector<TKandydat>& kandydaci) {
  std::vector<std::string> wynik;
  for (const TKandydat& k : kandydaci) wynik.push_back(k.Rozszerzenie);
  return wynik;
}

}  // namespace

TEST(TrescTekstuRozszerzenia, KazdePrzykladyIBezFormatu) {
  for (const TPrzyklad& p : Przyklady) {
    EXPECT_EQ(RozszerzenieZTresci(p.Tresc), p.Rozszerzenie) << p.Tresc;
  }
  for (const std::string_view tresc : Bez) {
    EXPECT_EQ(RozszerzenieZTresci(tresc), "") << tresc;
  }
}

// A block cut mid-line is no evidence: the cut line of "a,b" must not make a CSV.
TEST(TrescTekstuRozszerzenia, UcietyWierszNicNieMowi) {
  EXPECT_EQ(RozszerzenieZTresci("a,b\n1,2"), "");
  EXPECT_EQ(RozszerzenieZTresci("a,b\n1,2\n"), "CSV");
}

// Every answer names a row of the text tables; a misspelt one would leave the file unanswered.
TEST(TrescTekstuRozszerzenia, KazdeMaWierszTabelTekstowych) {
  for (const std::string_view r : RozszerzeniaZTresci) {
    const auto ma = [&](std::span<const TOpisPliku> tabela) {
      return std::ranges::any_of(tabela,
                                 [&](const TOpisPliku& w) { return w.Rozszerzenie.Tekst() == r; });
    };
    EXPECT_TRUE(ma(BazaTekstowa) || ma(SuplementTekstowy)) << r;
  }
  for (const TPrzyklad& p : Przyklady) {
    EXPECT_NE(std::ranges::find(RozszerzeniaZTresci, p.Rozszerzenie), RozszerzeniaZTresci.end())
        << p.Rozszerzenie;
  }
}

// Without a name the content's format replaces the plain "text without an extension"; a
// signature that fits stays first, the content's answer behind it; a name with an extension is
// not second-guessed.
TEST_F(TrescTekstu, MiejsceOdpowiedziWsrodKandydatow) {
  EXPECT_EQ(Rozszerzenia(Kandydaci("konfig", "{\"a\": 1}\n")), std::vector<std::string>{"JSON"});
  const std::vector<std::string> lista = Rozszerzenia(Kandydaci("lista", "[1, 2]\n"));
  ASSERT_GE(lista.size(), 2U);
  EXPECT_EQ(lista.back(), "JSON");
  EXPECT_NE(lista.front(), "JSON");
  EXPECT_EQ(Rozszerzenia(Kandydaci("notatki", "Nothing here\n")), std::vector<std::string>{""});
  EXPECT_EQ(Rozszerzenia(Kandydaci("dane.txt", "{\"a\": 1}\n")), std::vector<std::string>{"TXT"});
  // A binary file is not read as lines, whatever its bytes spell.
  const std::vector<std::string> binarny =
      Rozszerzenia(Kandydaci("obraz", std::string("{\"a\": 1}\n\0\x01", 11)));
  EXPECT_EQ(std::ranges::find(binarny, "JSON"), binarny.end());
}

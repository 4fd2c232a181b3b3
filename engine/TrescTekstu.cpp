#include "engine/TrescTekstu.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/WierszeTekstowe.h"

namespace {

using std::string_view;

// The block seen as lines; the last one may be cut where the block ends, and is not trusted for
// anything that needs a whole line.
class TWiersze {
 public:
  explicit TWiersze(string_view tekst) : tekst_(tekst) {}

  // The next line without its end (LF or CR LF); false at the end of the block.
  bool Nastepny(string_view& wiersz, bool& caly) {
    if (pozycja_ >= tekst_.size()) return false;
    const std::size_t koniec = tekst_.find('\n', pozycja_);
    caly = koniec != string_view::npos;
    wiersz = tekst_.substr(pozycja_, caly ? koniec - pozycja_ : string_view::npos);
    if (!wiersz.empty() && wiersz.back() == '\r') wiersz.remove_suffix(1);
    pozycja_ = caly ? koniec + 1 : tekst_.size();
    return true;
  }

 private:
  string_view tekst_;
  std::size_t pozycja_ = 0;
};

constexpr bool Bialy(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
constexpr bool Litera(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool Cyfra(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool ZnakNazwy(char c) {
  return Litera(c) || Cyfra(c) || c == '_' || c == '-';
}

string_view BezBialych(string_view s) {
  while (!s.empty() && Bialy(s.front())) s.remove_prefix(1);
  while (!s.empty() && Bialy(s.back())) s.remove_suffix(1);
  return s;
}

char Mala(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool ZaczynaBezWielkosci(string_view s, string_view poczatek) {
  return s.size() >= poczatek.size() &&
         std::ranges::equal(s.substr(0, poczatek.size()), poczatek,
                            [](char a, char b) { return Mala(a) == Mala(b); });
}

// The text past leading blanks and one block comment of the C family, where CSS, JavaScript and
// C files often put a heading.
string_view PoKomentarzuC(string_view s) {
  s = BezBialych(s);
  if (s.starts_with("/*")) {
    const std::size_t koniec = s.find("*/");
    if (koniec == string_view::npos) return {};
    s = BezBialych(s.substr(koniec + 2));
  }
  return s;
}

// "#!/usr/bin/env python3 -u" and "#!/bin/sh" name the interpreter by the last part of its path.
string_view Interpreter(string_view pierwszy) {
  string_view w = BezBialych(pierwszy.substr(2));
  const auto slowo = [](string_view s) { return s.substr(0, s.find_first_of(" \t")); };
  string_view program = slowo(w);
  program.remove_prefix(std::min(program.size(), program.rfind('/') + 1));
  if (program == "env") {
    w = BezBialych(
        w.substr(w.find_first_of(" \t") == string_view::npos ? w.size() : w.find_first_of(" \t")));
    while (w.starts_with('-')) w = BezBialych(w.substr(std::min(w.size(), w.find(' '))));
    program = slowo(w);
  }
  // python3.11, perl5.36, nodejs: the family is what the name starts with.
  struct TRodzina {
    string_view Przedrostek;
    string_view Rozszerzenie;
  };
  constexpr std::array<TRodzina, 13> Rodziny = {{{"python", "PY"},
                                                 {"perl", "PL"},
                                                 {"ruby", "RB"},
                                                 {"node", "JS"},
                                                 {"php", "PHP"},
                                                 {"lua", "LUA"},
                                                 {"bash", "SH"},
                                                 {"dash", "SH"},
                                                 {"zsh", "SH"},
                                                 {"ksh", "SH"},
                                                 {"ash", "SH"},
                                                 {"busybox", "SH"},
                                                 {"sh", "SH"}}};
  for (const TRodzina& r : Rodziny) {
    if (program.starts_with(r.Przedrostek)) return r.Rozszerzenie;
  }
  return {};
}

// Markup: an XML declaration, an HTML document, SVG, or any element that closes.
string_view Znaczniki(string_view s) {
  const bool deklaracja = s.starts_with("<?xml");
  if (deklaracja) {
    if (s.find("<svg") != string_view::npos) return "SVG";
    if (s.find("<html") != string_view::npos || s.find("<!DOCTYPE html") != string_view::npos) {
      return "XHTML";
    }
    return "XML";
  }
  if (ZaczynaBezWielkosci(s, "<!doctype html") || ZaczynaBezWielkosci(s, "<html")) return "HTML";
  if (s.starts_with("<svg")) return "SVG";
  if (s.size() > 1 && Litera(s[1]) &&
      (s.find("</") != string_view::npos || s.find("/>") != string_view::npos)) {
    return "XML";
  }
  return {};
}

// JSON's first value, as far as the block holds it: an object that opens with a name or closes,
// an array of values. "[section]" and "[1]" under INI rules differ from "[1, 2]" and "[true]".
bool PoczatekJson(string_view s) {
  const char otwarcie = s.front();
  string_view dalej = BezBialych(s.substr(1));
  if (dalej.empty()) return false;
  if (otwarcie == '{') return dalej.front() == '"' || dalej.front() == '}';
  const char c = dalej.front();
  if (c == '{' || c == '[' || c == '"' || c == ']' || c == '-' || Cyfra(c)) return true;
  for (string_view slowo : {"true", "false", "null"}) {
    if (dalej.starts_with(slowo)) {
      const string_view po = BezBialych(dalej.substr(slowo.size()));
      return !po.empty() && (po.front() == ',' || po.front() == ']');
    }
  }
  return false;
}

// INI: its first line of substance is a "[section]" and a "name = value" follows.
bool Ini(string_view tekst) {
  TWiersze wiersze(tekst);
  string_view w;
  bool caly = false;
  bool sekcja = false;
  while (wiersze.Nastepny(w, caly)) {
    const string_view t = BezBialych(w);
    if (t.empty() || t.front() == ';' || t.front() == '#') continue;
    if (!sekcja) {
      if (!caly || t.size() < 3 || t.front() != '[' || t.back() != ']') return false;
      const string_view nazwa = t.substr(1, t.size() - 2);
      if (!std::ranges::all_of(nazwa,
                               [](char c) { return ZnakNazwy(c) || c == ' ' || c == '.'; })) {
        return false;
      }
      sekcja = true;
      continue;
    }
    const std::size_t rowna = t.find('=');
    return rowna != string_view::npos && rowna > 0;
  }
  return false;
}

// SubRip: a cue number, then its times "00:00:01,000 --> 00:00:02,500".
bool SubRip(string_view tekst) {
  TWiersze wiersze(tekst);
  string_view numer;
  string_view czasy;
  bool caly = false;
  if (!wiersze.Nastepny(numer, caly) || !caly || !wiersze.Nastepny(czasy, caly)) return false;
  numer = BezBialych(numer);
  if (numer.empty() || !std::ranges::all_of(numer, Cyfra)) return false;
  const auto czas = [](string_view s) {
    return s.size() >= 12 && Cyfra(s[0]) && Cyfra(s[1]) && s[2] == ':' && s[5] == ':' &&
           (s[8] == ',' || s[8] == '.');
  };
  const std::size_t strzalka = czasy.find(" --> ");
  return strzalka != string_view::npos && czas(czasy) && czas(czasy.substr(strzalka + 5));
}

// The lines' shapes counted over the block, for the formats that tell themselves apart only by
// how their lines look.
struct TKsztalt {
  int Wierszy = 0;            // whole lines that aren't blank
  int DyrektywAsemblera = 0;  // "\t.text", "\t.globl main"
  int Pythona = 0;            // "def f(", "import sys", "from x import y", "class A:"
  int Javy = 0;               // "package a.b;", "import java.", "public class"
  int JavaScriptu = 0;        // "const x =", "export function", "import x from 'y'"
  int Latexa = 0;             // "\documentclass", "\usepackage{", "\begin{document}"
  int Markdownu = 0;          // "# Title", "```", "[text](url)"
  int Org = 0;                // "#+TITLE:", ":PROPERTIES:", "[[url][text]]"
  int Rst = 0;                // ".. directive::", "`text <url>`_"
  int Podkreslen = 0;         // "=====" or "-----" under a line of text
  int PolYaml = 0;            // "name: value", "- item" at the start
  int InnychNizYaml = 0;      // lines at the start that are neither of those nor comments
  int Gettext = 0;            // msgid "..." / msgstr "..."
  int IncludeC = 0;           // #include <...> / "..."
  int CechC = 0;              // int main(, std::, namespace
  int SeparatorCsv = 0;       // the separator whose count is the same on every line
};

int LiczbaZnakow(string_view w, char znak) {
  int n = 0;
  bool cudzyslow = false;
  for (char c : w) {
    if (c == '"') cudzyslow = !cudzyslow;
    if (c == znak && !cudzyslow) ++n;
  }
  return n;
}

bool PoleYaml(string_view t) {
  if (t.starts_with("- ")) return true;
  std::size_t i = 0;
  while (i < t.size() && (ZnakNazwy(t[i]) || t[i] == '.')) ++i;
  return i > 0 && Litera(t[0]) && i < t.size() && t[i] == ':' &&
         (i + 1 == t.size() || t[i + 1] == ' ');
}

TKsztalt Ksztalt(string_view tekst) {
  TKsztalt k;
  TWiersze wiersze(tekst);
  string_view w;
  bool caly = false;
  string_view poprzedni;
  std::array<int, 3> separatory{-1, -1,
                                -1};  // , ; tab: the count on every line, or 0 once it varied
  constexpr std::array<char, 3> ZnakiSeparatorow = {',', ';', '\t'};
  while (wiersze.Nastepny(w, caly)) {
    if (!caly) break;
    const string_view t = BezBialych(w);
    if (t.empty()) {
      poprzedni = {};
      continue;
    }
    ++k.Wierszy;
    const bool wciecie = Bialy(w.front());
    if (wciecie && t.front() == '.' && t.size() > 1 && Litera(t[1])) ++k.DyrektywAsemblera;
    if (!wciecie) {
      if (t.starts_with("def ") || t.starts_with("class ") ||
          (t.starts_with("import ") && !t.ends_with(";")) ||
          (t.starts_with("from ") && t.find(" import ") != string_view::npos) ||
          t.starts_with("if __name__")) {
        ++k.Pythona;
      }
      if ((t.starts_with("package ") && t.ends_with(";")) || t.starts_with("import java") ||
          t.starts_with("public class ") || t.starts_with("public final class ") ||
          t.starts_with("public interface ") || t.starts_with("public enum ") ||
          t.starts_with("public abstract class ")) {
        ++k.Javy;
      }
      if (t.starts_with("const ") || t.starts_with("let ") || t.starts_with("var ") ||
          t.starts_with("export ") || t.starts_with("function ") ||
          t.starts_with("module.exports") || t.starts_with("'use strict'") ||
          t.starts_with("\"use strict\"") ||
          (t.starts_with("import ") &&
           (t.find(" from '") != string_view::npos || t.find(" from \"") != string_view::npos))) {
        ++k.JavaScriptu;
      }
      if (PoleYaml(t)) {
        ++k.PolYaml;
      } else if (!t.starts_with('#') && t != "---") {
        ++k.InnychNizYaml;
      }
    }
    if (t.starts_with("\\documentclass") || t.starts_with("\\usepackage") ||
        t.starts_with("\\begin{document}") || t.starts_with("\\PassOptionsToPackage") ||
        t.starts_with("\\section{") || t.starts_with("\\chapter{")) {
      ++k.Latexa;
    }
    if ((t.starts_with("#") && t.find_first_not_of('#') <= 6 &&
         t.find_first_not_of('#') < t.size() && t[t.find_first_not_of('#')] == ' ') ||
        t.starts_with("```") || t.find("](") != string_view::npos) {
      ++k.Markdownu;
    }
    if ((t.starts_with("#+") && t.find(':') != string_view::npos) || t == ":PROPERTIES:" ||
        t.find("[[") != string_view::npos) {
      ++k.Org;
    }
    if (t.starts_with(".. ") || t.find(">`_") != string_view::npos || t.ends_with("::")) ++k.Rst;
    if (!poprzedni.empty() && t.size() >= 3 && t.size() >= poprzedni.size() &&
        (t.find_first_not_of('=') == string_view::npos ||
         t.find_first_not_of('-') == string_view::npos)) {
      ++k.Podkreslen;
    }
    if (t.starts_with("msgid \"") || t.starts_with("msgstr \"")) ++k.Gettext;
    if (t.starts_with("#include <") || t.starts_with("#include \"")) ++k.IncludeC;
    if (t.find("std::") != string_view::npos || t.starts_with("namespace ") ||
        t.starts_with("template <") || t.starts_with("class ")) {
      ++k.CechC;
    }
    for (std::size_t i = 0; i < ZnakiSeparatorow.size(); ++i) {
      const int n = LiczbaZnakow(t, ZnakiSeparatorow[i]);
      if (separatory[i] == -1) {
        separatory[i] = n;
      } else if (separatory[i] != n) {
        separatory[i] = 0;
      }
    }
    poprzedni = t;
  }
  for (std::size_t i = 0; i < ZnakiSeparatorow.size(); ++i) {
    if (separatory[i] > 0) k.SeparatorCsv = ZnakiSeparatorow[i];
  }
  return k;
}

}  // namespace

string_view RozszerzenieZTresci(string_view Poczatek) {
  // A UTF-8 byte order mark says nothing of the format.
  if (Poczatek.starts_with("\xEF\xBB\xBF")) Poczatek.remove_prefix(3);
  const string_view tresc = BezBialych(Poczatek);
  if (tresc.empty()) return {};

  if (tresc.starts_with("#!")) return Interpreter(tresc.substr(0, tresc.find('\n')));
  if (tresc.starts_with("WEBVTT")) return "VTT";
  if (tresc.starts_with("%YAML")) return "YAML";
  if (tresc.front() == '<') return Znaczniki(tresc);
  if ((tresc.front() == '{' || tresc.front() == '[') && PoczatekJson(tresc)) return "JSON";
  if (Ini(tresc)) return "INI";
  if (SubRip(tresc)) return "SRT";

  const TKsztalt k = Ksztalt(Poczatek);
  if (k.Gettext >= 2) return "PO";
  if (k.Latexa > 0) return "TEX";
  if (k.DyrektywAsemblera >= 2) return "S";
  if (k.IncludeC > 0) return k.CechC > 0 ? "CPP" : "C";
  if (k.Javy > 0) return "JAVA";
  if (k.JavaScriptu > 0 && k.Pythona == 0) return "JS";
  if (k.Pythona > 0) return "PY";
  if (tresc.starts_with("\"\"\"")) return "PY";

  // CSS: a rule of selectors whose block opens with "property:", past a heading comment.
  const string_view css = PoKomentarzuC(tresc);
  if (css.starts_with("@charset") || css.starts_with("@import") || css.starts_with("@media") ||
      css.starts_with("@font-face")) {
    return "CSS";
  }
  if (const std::size_t klamra = css.find('{'); klamra != string_view::npos && klamra > 0) {
    const string_view selektor = css.substr(0, klamra);
    const string_view blok = BezBialych(css.substr(klamra + 1));
    std::size_t i = 0;
    while (i < blok.size() && (Litera(blok[i]) || blok[i] == '-')) ++i;
    if (selektor.find_first_of("();=") == string_view::npos && i > 0 &&
        BezBialych(blok.substr(i)).starts_with(':')) {
      return "CSS";
    }
  }

  if (k.Org > 0 && k.Org >= k.Markdownu) return "ORG";
  if (k.Podkreslen > 0 && k.Markdownu == 0) return "RST";
  if (k.Rst > 0) return "RST";
  if (k.Markdownu > 0) return "MD";
  // YAML's document start, alone on its line or before a value; not "-----BEGIN" nor a rule.
  if (tresc.starts_with("---\n") || tresc.starts_with("---\r") || tresc.starts_with("--- ")) {
    return "YAML";
  }
  if (k.PolYaml > 0 && k.InnychNizYaml == 0) return "YAML";
  if (k.Wierszy >= 2 && k.SeparatorCsv != 0) return "CSV";
  return {};
}

const TOpisPliku* WierszZTresci(TPlikDoOdczytu& Plik, const TSuplement& Suplement) {
  // This look is the supplement's: the catalogue's tables alone answer as they always did.
  if (Suplement.Tekstowe.empty()) return nullptr;
  // The text test has just read the file, so its first block is at hand.
  std::array<char, 4096> blok;
  const std::int64_t ile = Plik.Czytaj(0, blok.data(), blok.size());
  if (ile <= 0) return nullptr;
  const string_view rozszerzenie =
      RozszerzenieZTresci({blok.data(), static_cast<std::size_t>(ile)});
  if (rozszerzenie.empty()) return nullptr;
  const TOpisPliku* pierwszy = nullptr;
  const auto zapamietaj = [&](const TOpisPliku& w) {
    if (pierwszy == nullptr) pierwszy = &w;
  };
  KazdyWierszRozszerzenia(BazaTekstowa, rozszerzenie, zapamietaj);
  if (pierwszy == nullptr) KazdyWierszRozszerzenia(Suplement.Tekstowe, rozszerzenie, zapamietaj);
  return pierwszy;
}

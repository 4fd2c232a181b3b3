#include "site/Kodowanie.h"

#include <optional>

#include "text/Cp1250.h"
#include "text/Szesnastkowo.h"

namespace {

std::optional<unsigned char> WartoscCyfry(char Znak) {
  if (Znak >= '0' && Znak <= '9') return static_cast<unsigned char>(Znak - '0');
  if (Znak >= 'A' && Znak <= 'F') return static_cast<unsigned char>(Znak - 'A' + 10);
  if (Znak >= 'a' && Znak <= 'f') return static_cast<unsigned char>(Znak - 'a' + 10);
  return std::nullopt;
}

bool TylkoAscii(std::string_view Tekst) {
  for (const char c : Tekst) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string OdkodujProcenty(std::string_view Tekst) {
  std::string wynik;
  wynik.reserve(Tekst.size());
  for (std::size_t i = 0; i < Tekst.size(); ++i) {
    if (Tekst[i] == '%' && i + 2 < Tekst.size()) {
      const auto gorna = WartoscCyfry(Tekst[i + 1]);
      const auto dolna = WartoscCyfry(Tekst[i + 2]);
      if (gorna && dolna) {
        wynik += static_cast<char>((*gorna << 4) | *dolna);
        i += 2;
        continue;
      }
    }
    wynik += Tekst[i];
  }
  return wynik;
}

std::string JakoCp1250(std::string_view Bajty) {
  if (TylkoAscii(Bajty)) return std::string(Bajty);
  if (auto zUtf8 = cp1250::ZUtf8Dokladnie(Bajty)) return std::move(*zUtf8);
  return std::string(Bajty);
}

bool MaZnakSterujacy(std::string_view Tekst) {
  for (const char c : Tekst) {
    const auto bajt = static_cast<unsigned char>(c);
    if (bajt < 0x20 || bajt == 0x7F) return true;
  }
  return false;
}

std::string DoHtml(std::string_view Utf8) {
  std::string wynik;
  wynik.reserve(Utf8.size());
  for (const char c : Utf8) {
    switch (c) {
      case '&':
        wynik += "&amp;";
        break;
      case '<':
        wynik += "&lt;";
        break;
      case '>':
        wynik += "&gt;";
        break;
      case '"':
        wynik += "&quot;";
        break;
      case '\'':
        wynik += "&#39;";
        break;
      default:
        wynik += c;
    }
  }
  return wynik;
}

std::string DoCsv(std::string_view Utf8) {
  std::string wynik = "\"";
  // A tab or carriage return first is dropped by some spreadsheets on import, which then read
  // what follows, so they are defused as a formula's own first characters are.
  if (!Utf8.empty() && std::string_view("=+-@\t\r").find(Utf8.front()) != std::string_view::npos) {
    wynik += '\'';
  }
  for (const char c : Utf8) {
    if (c == '"') wynik += '"';
    wynik += c;
  }
  return wynik + '"';
}

std::string DoDziennika(std::string_view Tekst) {
  std::string wynik;
  wynik.reserve(Tekst.size());
  for (const char c : Tekst) {
    const auto bajt = static_cast<unsigned char>(c);
    if (bajt >= 0x20 && bajt < 0x7F && c != '\\') {
      wynik += c;
    } else {
      wynik += "\\x";
      DopiszSzesnastkowo(wynik, bajt);
    }
  }
  return wynik;
}

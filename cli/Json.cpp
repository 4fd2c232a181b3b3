#include "cli/Json.h"

#include <array>

#include "text/Cp1250.h"
#include "text/Utf8.h"

namespace {

// Escapes as nlohmann's dump does without ensure_ascii: the short forms where JSON has them,
// \u00xx in lower case for the other controls, every other character as it is.
void DopiszZnakJson(std::string& Wyjscie, char32_t znak) {
  switch (znak) {
    case '"':
      Wyjscie += "\\\"";
      return;
    case '\\':
      Wyjscie += "\\\\";
      return;
    case '\b':
      Wyjscie += "\\b";
      return;
    case '\f':
      Wyjscie += "\\f";
      return;
    case '\n':
      Wyjscie += "\\n";
      return;
    case '\r':
      Wyjscie += "\\r";
      return;
    case '\t':
      Wyjscie += "\\t";
      return;
    default:
      break;
  }
  if (znak < 0x20) {
    constexpr std::string_view cyfry = "0123456789abcdef";
    Wyjscie += "\\u00";
    Wyjscie += cyfry[znak >> 4];
    Wyjscie += cyfry[znak & 0x0F];
    return;
  }
  utf8::DopiszZnak(Wyjscie, znak);
}

// What a JSON string holds as it is in either encoding: printable ASCII but the quote and the
// backslash. Runs of it, most of any text here, are copied whole; the length of the run at the
// start of `tekst`.
std::size_t DlugoscZwyklych(std::string_view tekst) {
  std::size_t n = 0;
  for (; n < tekst.size(); ++n) {
    const auto c = static_cast<unsigned char>(tekst[n]);
    if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\') break;
  }
  return n;
}

}  // namespace

void DopiszNapisJson(std::string& Wyjscie, std::string_view Utf8) {
  constexpr char32_t Zastepnik = 0xFFFD;
  Wyjscie += '"';
  for (std::size_t i = 0; i < Utf8.size();) {
    if (const std::size_t n = DlugoscZwyklych(Utf8.substr(i)); n > 0) {
      Wyjscie.append(Utf8.substr(i, n));
      i += n;
      continue;
    }
    const std::optional<char32_t> znak = utf8::CzytajZnak(Utf8, i);
    DopiszZnakJson(Wyjscie, znak.value_or(Zastepnik));
  }
  Wyjscie += '"';
}

void DopiszNapisJsonZCp1250(std::string& Wyjscie, std::string_view Cp1250) {
  Wyjscie += '"';
  while (!Cp1250.empty()) {
    const std::size_t n = DlugoscZwyklych(Cp1250);
    Wyjscie.append(Cp1250.substr(0, n));
    if (n == Cp1250.size()) break;
    DopiszZnakJson(Wyjscie, cp1250::ZnakUnicode(static_cast<unsigned char>(Cp1250[n])));
    Cp1250.remove_prefix(n + 1);
  }
  Wyjscie += '"';
}

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

}  // namespace

void DopiszNapisJson(std::string& Wyjscie, std::string_view Utf8) {
  constexpr char32_t Zastepnik = 0xFFFD;
  Wyjscie += '"';
  for (std::size_t i = 0; i < Utf8.size();) {
    const std::optional<char32_t> znak = utf8::CzytajZnak(Utf8, i);
    DopiszZnakJson(Wyjscie, znak.value_or(Zastepnik));
  }
  Wyjscie += '"';
}

void DopiszNapisJsonZCp1250(std::string& Wyjscie, std::string_view Cp1250) {
  Wyjscie += '"';
  for (const char c : Cp1250)
    DopiszZnakJson(Wyjscie, cp1250::ZnakUnicode(static_cast<unsigned char>(c)));
  Wyjscie += '"';
}

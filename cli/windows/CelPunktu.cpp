#include "cli/windows/CelPunktu.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "text/windows/Utf16.h"

namespace {

// The WSL's link, whose target is UTF-8 after a version number.
constexpr DWORD ZnacznikDowiazaniaLinuksa = 0xA000001D;

// The parts of the system's REPARSE_DATA_BUFFER that this reads, which the user-mode headers
// don't declare: a symbolic link's or junction's names lie in the UTF-16 text after `Nazwy`
// (after a DWORD of flags for a symbolic link).
struct TNaglowekPunktu {
  DWORD Znacznik;
  WORD DlugoscDanych;
  WORD Zarezerwowane;
};
struct TNazwyPunktu {
  WORD OdZastepczej;
  WORD DlugoscZastepczej;
  WORD OdWyswietlanej;
  WORD DlugoscWyswietlanej;
};

}  // namespace

std::optional<std::string> CelPunktu(const std::byte* dane, std::size_t dlugosc) {
  TNaglowekPunktu naglowek;
  if (dlugosc < sizeof naglowek) return std::nullopt;
  std::memcpy(&naglowek, dane, sizeof naglowek);
  const std::byte* tresc = dane + sizeof naglowek;
  const std::size_t dlugoscTresci =
      std::min<std::size_t>(naglowek.DlugoscDanych, dlugosc - sizeof naglowek);
  if (naglowek.Znacznik == ZnacznikDowiazaniaLinuksa) {
    if (dlugoscTresci < sizeof(DWORD)) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(tresc + sizeof(DWORD)),
                       dlugoscTresci - sizeof(DWORD));
  }
  std::size_t odTekstu = sizeof(TNazwyPunktu);
  if (naglowek.Znacznik == IO_REPARSE_TAG_SYMLINK) {
    odTekstu += sizeof(DWORD);
  } else if (naglowek.Znacznik != IO_REPARSE_TAG_MOUNT_POINT) {
    return std::nullopt;
  }
  TNazwyPunktu nazwy;
  if (dlugoscTresci < odTekstu) return std::nullopt;
  std::memcpy(&nazwy, tresc, sizeof nazwy);
  const auto nazwa = [&](std::size_t od, std::size_t bajtow) -> std::optional<std::wstring> {
    if (bajtow == 0 || od + bajtow > dlugoscTresci - odTekstu) return std::nullopt;
    std::wstring tekst(bajtow / sizeof(wchar_t), L'\0');
    std::memcpy(tekst.data(), tresc + odTekstu + od, tekst.size() * sizeof(wchar_t));
    return tekst;
  };
  std::optional<std::wstring> cel = nazwa(nazwy.OdWyswietlanej, nazwy.DlugoscWyswietlanej);
  if (!cel) cel = nazwa(nazwy.OdZastepczej, nazwy.DlugoscZastepczej);
  if (!cel) return std::nullopt;
  return ZUtf16(*cel);
}

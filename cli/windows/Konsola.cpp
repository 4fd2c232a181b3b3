#include "cli/Konsola.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>

#include "text/windows/Utf16.h"

namespace {

// The console shows UTF-16 letters whatever its code page; bytes written to it would be read
// in that code page and Polish letters would come out wrong. Nothing when the stream is not a
// console.
std::optional<bool> NaKonsole(std::FILE* strumien, std::string_view tekst) {
  const HANDLE uchwyt = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(strumien)));
  DWORD tryb = 0;
  if (uchwyt == INVALID_HANDLE_VALUE || !GetConsoleMode(uchwyt, &tryb)) return std::nullopt;
  std::fflush(strumien);
  // Bytes that are not UTF-8 (none come from the program itself) show as U+FFFD.
  const int ile =
      MultiByteToWideChar(CP_UTF8, 0, tekst.data(), static_cast<int>(tekst.size()), nullptr, 0);
  std::wstring litery(static_cast<std::size_t>(ile), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, tekst.data(), static_cast<int>(tekst.size()), litery.data(), ile);
  for (std::size_t od = 0; od < litery.size();) {
    DWORD zapisane = 0;
    const auto porcja = static_cast<DWORD>(std::min<std::size_t>(litery.size() - od, 1 << 14));
    if (!WriteConsoleW(uchwyt, litery.data() + od, porcja, &zapisane, nullptr) || zapisane == 0) {
      return false;
    }
    od += zapisane;
  }
  return true;
}

}  // namespace

std::vector<std::string> ArgumentyProgramu(int, char**) {
  // Bytes go out unchanged: "\n" stays one byte, as on every other system, and UTF-8 is not
  // touched by the C library's text mode.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // The narrow argv holds the names in the ANSI code page, where Chinese or, on a Western
  // Windows, Polish letters are lost; the wide command line has them all.
  int ile = 0;
  wchar_t** argumenty = CommandLineToArgvW(GetCommandLineW(), &ile);
  std::vector<std::string> wynik;
  if (argumenty == nullptr) return wynik;
  for (int i = 0; i < ile; ++i) wynik.push_back(ZUtf16(argumenty[i]));
  LocalFree(argumenty);
  return wynik;
}

bool Wypisz(std::FILE* Strumien, std::string_view Tekst) {
  if (Tekst.empty()) return true;
  if (Tekst.size() < (1u << 30)) {
    if (const std::optional<bool> naKonsoli = NaKonsole(Strumien, Tekst)) return *naKonsoli;
  }
  return std::fwrite(Tekst.data(), 1, Tekst.size(), Strumien) == Tekst.size();
}

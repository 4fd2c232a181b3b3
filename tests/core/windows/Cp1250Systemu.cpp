#include <windows.h>

#include <climits>
#include <stdexcept>

#include "tests/core/WierszeOczekiwane.h"
#include "text/windows/Utf16.h"

std::string Cp1250(std::string_view utf8) {
  const std::optional<std::wstring> litery = NaUtf16(utf8);
  if (!litery || litery->size() > INT_MAX) throw std::runtime_error("not UTF-8");
  if (litery->empty()) return {};
  const int dlugosc = static_cast<int>(litery->size());
  std::string wynik(litery->size(), '\0');
  BOOL zastepczy = FALSE;
  // No best fit: a letter the code page lacks must fail, not turn into a look-alike.
  const int n = WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, litery->data(), dlugosc,
                                    wynik.data(), dlugosc, nullptr, &zastepczy);
  if (n <= 0 || zastepczy) {
    throw std::runtime_error("not representable in Windows-1250: " + std::string(utf8));
  }
  wynik.resize(static_cast<std::size_t>(n));
  return wynik;
}

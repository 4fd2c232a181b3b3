#include "window/win32/Tahoma.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

constexpr std::wstring_view NazwaTahomy = L"Tahoma";

int CALLBACK Znaleziona(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM Znaleziono) {
  *reinterpret_cast<bool*>(Znaleziono) = true;
  return 0;
}

// Asked by family name: the mapper's fallback for a missing face is not listed.
bool TahomaJest() {
  LOGFONTW wzor{};
  wzor.lfCharSet = DEFAULT_CHARSET;
  std::copy(NazwaTahomy.begin(), NazwaTahomy.end(), wzor.lfFaceName);
  bool jest = false;
  const HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &wzor, Znaleziona, reinterpret_cast<LPARAM>(&jest), 0);
  ReleaseDC(nullptr, dc);
  return jest;
}

// Wine names its data folder in every process's environment ("\??\Z:\usr\share\wine"); Windows
// does not, and a Wine without it has nothing to add.
std::wstring FolderDanychWine() {
  const DWORD rozmiar = GetEnvironmentVariableW(L"WINEDATADIR", nullptr, 0);
  if (rozmiar == 0) return {};
  std::wstring folder(rozmiar, L'\0');
  folder.resize(GetEnvironmentVariableW(L"WINEDATADIR", folder.data(), rozmiar));
  return folder;
}

}  // namespace

void ZapewnijTahome() {
  if (TahomaJest()) return;
  const std::wstring folder = FolderDanychWine();
  if (folder.empty()) return;
  // Without the file (fonts-wine not installed) the window keeps the mapper's choice.
  AddFontResourceExW((folder + L"\\fonts\\tahoma.ttf").c_str(), FR_PRIVATE, nullptr);
}

#include "window/win32/ArgumentyProgramu.h"

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include "text/windows/Utf16.h"

std::vector<std::string> ArgumentyProgramu() {
  std::vector<std::string> argumenty;
  int ile = 0;
  LPWSTR* slowa = CommandLineToArgvW(GetCommandLineW(), &ile);
  if (slowa == nullptr) return argumenty;
  for (int i = 0; i < ile; ++i) argumenty.push_back(ZUtf16(slowa[i]));
  LocalFree(slowa);
  return argumenty;
}

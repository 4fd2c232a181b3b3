#include "tests/core/PlikiTestowe.h"

#include <windows.h>

#include "text/windows/OpisBledu.h"

std::size_t LiczbaOtwartychDeskryptorow() {
  DWORD ile = 0;
  GetProcessHandleCount(GetCurrentProcess(), &ile);
  return ile;
}

std::string OpisBrakuPliku() {
  return OpisBleduSystemu(ERROR_FILE_NOT_FOUND);
}

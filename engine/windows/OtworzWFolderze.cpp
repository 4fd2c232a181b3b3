#include "engine/windows/OtworzWFolderze.h"

#include <winternl.h>

#include <limits>

DWORD OtworzWFolderze(HANDLE Folder, std::wstring_view Nazwa, ACCESS_MASK Dostep,
                      ULONG Wspoldzielenie, ULONG Opcje, HANDLE& Wynik) {
  Wynik = INVALID_HANDLE_VALUE;
  if (Nazwa.size() * sizeof(wchar_t) > std::numeric_limits<USHORT>::max()) {
    return ERROR_FILENAME_EXCED_RANGE;
  }
  UNICODE_STRING nazwa;
  nazwa.Buffer = const_cast<PWSTR>(Nazwa.data());
  nazwa.Length = static_cast<USHORT>(Nazwa.size() * sizeof(wchar_t));
  nazwa.MaximumLength = nazwa.Length;
  // Names compare as Win32 compares them when it opens a path.
  OBJECT_ATTRIBUTES atrybuty;
  InitializeObjectAttributes(&atrybuty, &nazwa, OBJ_CASE_INSENSITIVE, Folder, nullptr);
  IO_STATUS_BLOCK stan{};
  HANDLE uchwyt = nullptr;
  const NTSTATUS wynik =
      NtCreateFile(&uchwyt, Dostep | SYNCHRONIZE, &atrybuty, &stan, nullptr, 0, Wspoldzielenie,
                   FILE_OPEN, Opcje | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
  if (wynik < 0) return RtlNtStatusToDosError(wynik);
  Wynik = uchwyt;
  return ERROR_SUCCESS;
}

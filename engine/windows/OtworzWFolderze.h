#pragma once

// Opening a name inside a folder held open through the folder's handle, not by a path: nothing
// above the folder is looked up again, so a folder on the way that was swapped for a junction
// meanwhile can't redirect the opening, a name such as "CON" is just a name there, and no path
// grows past what the system accepts however deep the folder lies.

#include <windows.h>

#include <string_view>

// Opens `Nazwa`, a name as the folder's listing gave it, for synchronous use as CreateFileW's
// handles are; `Opcje` are the system's open options (FILE_OPEN_REPARSE_POINT and the like).
// ERROR_SUCCESS with the handle in `Wynik`, or the system's error code.
DWORD OtworzWFolderze(HANDLE Folder, std::wstring_view Nazwa, ACCESS_MASK Dostep,
                      ULONG Wspoldzielenie, ULONG Opcje, HANDLE& Wynik);

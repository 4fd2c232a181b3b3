// rozpoznik-czasownik.exe HKCU|HKLM FILE: does what Explorer does when the user chooses
// "Rozpoznaj w Rozpozniku" on FILE: reads the verb's command from the branch, puts FILE in
// place of %1 and starts it. Then it waits for the window, prints what its file-name box and
// its type box show (UTF-8, one line each), closes the window and ends with the program's exit
// code. 2 when the verb or the window is missing.

#include <windows.h>

#include <cstdio>
#include <string>

#include "text/windows/Utf16.h"
#include "window/Uklad.h"

namespace {

constexpr wchar_t Polecenie[] = L"Software\\Classes\\*\\shell\\Rozpoznik\\command";

// GetWindowText gives another program's control only the text it was made with: the message
// asks the control itself.
std::wstring TekstKontrolki(HWND Okno, TKontrolka Kontrolka) {
  const HWND kontrolka = GetDlgItem(Okno, static_cast<int>(Indeks(Kontrolka) + 1));
  std::wstring tekst(static_cast<std::size_t>(SendMessageW(kontrolka, WM_GETTEXTLENGTH, 0, 0)) + 1,
                     L'\0');
  tekst.resize(static_cast<std::size_t>(
      SendMessageW(kontrolka, WM_GETTEXT, tekst.size(), reinterpret_cast<LPARAM>(tekst.data()))));
  return tekst;
}

struct TSzukane {
  DWORD Proces;
  HWND Okno;
};

BOOL CALLBACK SprawdzOkno(HWND Okno, LPARAM Dane) {
  auto* szukane = reinterpret_cast<TSzukane*>(Dane);
  DWORD proces = 0;
  GetWindowThreadProcessId(Okno, &proces);
  wchar_t klasa[16] = {};
  GetClassNameW(Okno, klasa, 16);
  if (proces != szukane->Proces || std::wstring(klasa) != L"TForm1" || !IsWindowVisible(Okno)) {
    return TRUE;
  }
  szukane->Okno = Okno;
  return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const HKEY galaz = std::wstring(argv[1]) == L"HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  wchar_t wartosc[2048] = {};
  DWORD rozmiar = sizeof(wartosc);
  if (RegGetValueW(galaz, Polecenie, nullptr, RRF_RT_REG_SZ, nullptr, wartosc, &rozmiar) !=
      ERROR_SUCCESS) {
    std::fputs("no verb\n", stderr);
    return 2;
  }
  std::wstring polecenie = wartosc;
  const std::size_t miejsce = polecenie.find(L"%1");
  if (miejsce == std::wstring::npos) return 2;
  polecenie.replace(miejsce, 2, argv[2]);

  STARTUPINFOW start{};
  start.cb = sizeof(start);
  PROCESS_INFORMATION proces{};
  if (!CreateProcessW(nullptr, polecenie.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &start, &proces)) {
    return 2;
  }
  TSzukane szukane{proces.dwProcessId, nullptr};
  for (int proba = 0; proba < 300 && szukane.Okno == nullptr; ++proba) {
    Sleep(100);
    EnumWindows(SprawdzOkno, reinterpret_cast<LPARAM>(&szukane));
  }
  if (szukane.Okno == nullptr) {
    TerminateProcess(proces.hProcess, 1);
    return 2;
  }
  // The file is identified once the window shows.
  for (int proba = 0; proba < 100 && TekstKontrolki(szukane.Okno, TKontrolka::TypEdit).empty();
       ++proba) {
    Sleep(100);
  }
  std::printf("%s\n%s\n", ZUtf16(TekstKontrolki(szukane.Okno, TKontrolka::Edit1)).c_str(),
              ZUtf16(TekstKontrolki(szukane.Okno, TKontrolka::TypEdit)).c_str());
  PostMessageW(szukane.Okno, WM_CLOSE, 0, 0);
  DWORD kod = 2;
  if (WaitForSingleObject(proces.hProcess, 20000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(proces.hProcess, &kod);
  } else {
    TerminateProcess(proces.hProcess, 1);
  }
  CloseHandle(proces.hThread);
  CloseHandle(proces.hProcess);
  return static_cast<int>(kod);
}

// rozpoznik.exe itself: it starts on the fresh Wine set-up, shows its window owned by the
// application's window on the task bar, and ends when the window is closed.

#include "tests/window/win32/Pomocnicy.h"

namespace {

HWND CzekajNaOkno(const wchar_t* Klasa, const wchar_t* Tytul) {
  for (int proba = 0; proba < 300; ++proba) {
    const HWND okno = FindWindowW(Klasa, Tytul);
    if (okno != nullptr && IsWindowVisible(okno)) return okno;
    Sleep(100);
  }
  return nullptr;
}

}  // namespace

TEST(Program, PokazujeOknoIKonczySieZNim) {
  std::wstring polecenie = L"\"" + Szeroki(ROZPOZNIK_PROGRAM) + L"\"";
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  PROCESS_INFORMATION proces{};
  ASSERT_TRUE(CreateProcessW(nullptr, polecenie.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &start, &proces));
  const HWND okno = CzekajNaOkno(L"TForm1", L"Rozpoznik wersja 1.4");
  if (okno == nullptr) TerminateProcess(proces.hProcess, 1);
  ASSERT_NE(okno, nullptr);
  const HWND wlasciciel = GetWindow(okno, GW_OWNER);
  EXPECT_EQ(TekstKontrolki(wlasciciel), L"Rozpoznik");
  EXPECT_TRUE(IsWindowVisible(wlasciciel));
  PostMessageW(okno, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(proces.hProcess, 20000), WAIT_OBJECT_0);
  DWORD kod = 1;
  GetExitCodeProcess(proces.hProcess, &kod);
  EXPECT_EQ(kod, 0u);
  CloseHandle(proces.hThread);
  CloseHandle(proces.hProcess);
}

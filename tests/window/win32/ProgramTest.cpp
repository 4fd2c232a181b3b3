// rozpoznik.exe itself: it starts on the fresh Wine set-up, shows its window owned by the
// application's window on the task bar, and ends when the window is closed; a file named on
// its command line is identified once the window shows.

#include "tests/window/PolecenieRozpoznaj.h"
#include "tests/window/win32/Pomocnicy.h"
#include "window/win32/Tekst.h"

namespace {

HWND CzekajNaOkno(const wchar_t* Klasa, const wchar_t* Tytul) {
  for (int proba = 0; proba < 300; ++proba) {
    const HWND okno = FindWindowW(Klasa, Tytul);
    if (okno != nullptr && IsWindowVisible(okno)) return okno;
    Sleep(100);
  }
  return nullptr;
}

// The program started with `Argumenty` after its quoted name, its window shown; closed and
// waited for at the end.
class Program : public testing::Test {
 protected:
  void Uruchom(const std::wstring& Argumenty) {
    std::wstring polecenie = L"\"" + Szeroki(ROZPOZNIK_PROGRAM) + L"\" " + Argumenty;
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    ASSERT_TRUE(CreateProcessW(nullptr, polecenie.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &start, &proces_));
    okno_ = CzekajNaOkno(L"TForm1", L"Rozpoznik wersja 1.4");
    ASSERT_NE(okno_, nullptr);
  }

  // GetWindowText gives another program's control only the text it was made with: the
  // message asks the control itself.
  std::wstring Tekst(TKontrolka Kontrolka) const {
    const HWND kontrolka = GetDlgItem(okno_, static_cast<int>(Indeks(Kontrolka) + 1));
    std::wstring tekst(
        static_cast<std::size_t>(SendMessageW(kontrolka, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    tekst.resize(static_cast<std::size_t>(
        SendMessageW(kontrolka, WM_GETTEXT, tekst.size(), reinterpret_cast<LPARAM>(tekst.data()))));
    return tekst;
  }

  ~Program() override {
    if (proces_.hProcess == nullptr) return;
    // A test that failed before closing the window leaves no program behind.
    if (WaitForSingleObject(proces_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(proces_.hProcess, 1);
    }
    CloseHandle(proces_.hThread);
    CloseHandle(proces_.hProcess);
  }

  // Closing the window ends the program, with exit code 0.
  void Zamknij() {
    PostMessageW(okno_, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(proces_.hProcess, 20000), WAIT_OBJECT_0);
    DWORD kod = 1;
    GetExitCodeProcess(proces_.hProcess, &kod);
    EXPECT_EQ(kod, 0u);
  }

  PROCESS_INFORMATION proces_{};
  HWND okno_ = nullptr;
};

}  // namespace

TEST_F(Program, PokazujeOknoIKonczySieZNim) {
  Uruchom(L"");
  const HWND wlasciciel = GetWindow(okno_, GW_OWNER);
  EXPECT_EQ(TekstKontrolki(wlasciciel), L"Rozpoznik");
  EXPECT_TRUE(IsWindowVisible(wlasciciel));
  EXPECT_EQ(Tekst(TKontrolka::Edit1), L"");
  Zamknij();
}

// As Explorer's verb starts it: the path quoted, with a space and letters from outside every
// ANSI code page; "--" first, as a script would put it before a name starting with "-".
TEST_F(Program, PlikZWierszaPolecen) {
  TFolderTestowy folder;
  const std::string plik = folder.Zapisz("-zażółć gęślą 中文 plik.png",
                                         std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  Uruchom(L"-- \"" + Szeroki(plik) + L"\" \"" + Szeroki(folder.Sciezka("inny.png")) + L"\"");
  const std::wstring typ = ZCp1250(KandydaciSilnika(plik).at(0)->Typ.Tekst());
  for (int proba = 0; proba < 100 && Tekst(TKontrolka::TypEdit) != typ; ++proba) Sleep(100);
  EXPECT_EQ(Tekst(TKontrolka::TypEdit), typ);
  EXPECT_EQ(Tekst(TKontrolka::Edit1), Szeroki(plik));
  Zamknij();
}

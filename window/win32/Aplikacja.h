#pragma once

// The application: an invisible window titled "Rozpoznik" that owns the main window and stands
// for the program on the task bar (a tool window has no button of its own there), and the
// message loop.

#include <windows.h>

#include <functional>

class TForm1;

class TAplikacja {
 public:
  TAplikacja();
  ~TAplikacja();
  TAplikacja(const TAplikacja&) = delete;
  TAplikacja& operator=(const TAplikacja&) = delete;

  HWND Uchwyt() const { return okno_; }

  // Shows the main window, runs `PoPokazaniu` once it is drawn, then the message loop until the
  // window is closed; the program's exit code.
  int Run(TForm1& Form1, int Pokazanie, const std::function<void()>& PoPokazaniu = {});

 private:
  static LRESULT CALLBACK ProceduraOkna(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L);

  HWND okno_ = nullptr;
  HICON ikona_ = nullptr;
  HICON malaIkona_ = nullptr;
};

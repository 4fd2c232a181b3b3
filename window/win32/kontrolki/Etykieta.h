#pragma once

// A transparent one-line text label.

#include "window/win32/kontrolki/Rysowana.h"

class TEtykieta : public TRysowana {
 protected:
  void Rysuj(HDC Dc, const RECT& Obszar) override {
    const std::wstring tekst = Tekst();
    RECT gdzie = Obszar;
    DrawTextW(Dc, tekst.c_str(), static_cast<int>(tekst.size()), &gdzie,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }
};

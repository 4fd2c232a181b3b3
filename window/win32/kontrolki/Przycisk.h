#pragma once

// A flat push button that draws no background of its own: its text on whatever lies below it,
// with a raised edge under the mouse and a sunken one while pressed, the text following it.

#include "window/win32/kontrolki/Rysowana.h"

class TPrzycisk : public TRysowana {
 protected:
  void Rysuj(HDC Dc, const RECT& Obszar) override;
};

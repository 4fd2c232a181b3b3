#pragma once

// A separator line two strokes thick along the top or the bottom edge of its box: a raised line
// is the light colour over the dark one, a lowered line the reverse.

#include "window/win32/kontrolki/Rysowana.h"

class TLinia : public TRysowana {
 public:
  void UstawKsztalt(bool Gorna, bool Wypukla) {
    gorna_ = Gorna;
    wypukla_ = Wypukla;
  }
  // A stroke's thickness in pixels, at least one.
  void UstawGrubosc(int Piksele);

 protected:
  void Rysuj(HDC Dc, const RECT& Obszar) override;

 private:
  bool gorna_ = false;
  bool wypukla_ = false;
  int grubosc_ = 1;
};

#include "window/win32/kontrolki/Linia.h"

#include <algorithm>

void TLinia::UstawGrubosc(int Piksele) {
  Piksele = std::max(1, Piksele);
  if (grubosc_ == Piksele) return;
  grubosc_ = Piksele;
  Odswiez();
}

void TLinia::Rysuj(HDC Dc, const RECT& Obszar) {
  const int gora = gorna_ ? 0 : Obszar.bottom - 2 * grubosc_;
  const RECT pierwsza{0, gora, Obszar.right, gora + grubosc_};
  const RECT druga{0, gora + grubosc_, Obszar.right, gora + 2 * grubosc_};
  FillRect(Dc, &pierwsza, GetSysColorBrush(wypukla_ ? COLOR_3DHIGHLIGHT : COLOR_3DSHADOW));
  FillRect(Dc, &druga, GetSysColorBrush(wypukla_ ? COLOR_3DSHADOW : COLOR_3DHIGHLIGHT));
}

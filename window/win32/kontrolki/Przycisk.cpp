#include "window/win32/kontrolki/Przycisk.h"

void TPrzycisk::Rysuj(HDC Dc, const RECT& Obszar) {
  const bool wcisniety = Wcisnieta() && MyszNad();
  RECT krawedz = Obszar;
  if (MyszNad() || Wcisnieta()) {
    DrawEdge(Dc, &krawedz, wcisniety ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  RECT naTekst = Obszar;
  if (wcisniety) OffsetRect(&naTekst, 1, 1);
  const std::wstring tekst = Tekst();
  DrawTextW(Dc, tekst.c_str(), static_cast<int>(tekst.size()), &naTekst,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

#include "window/win32/kontrolki/PasekPrzewijania.h"

#include <algorithm>

void TPasekPrzewijania::Ustaw(int Maksimum, int Pozycja) {
  SCROLLINFO pasek{};
  pasek.cbSize = sizeof(pasek);
  pasek.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  pasek.nMax = Maksimum;
  pasek.nPos = Pozycja;
  SetScrollInfo(uchwyt_, SB_CTL, &pasek, TRUE);
}

std::optional<int> TPasekPrzewijania::Przesun(WPARAM Zadanie) {
  SCROLLINFO pasek{};
  pasek.cbSize = sizeof(pasek);
  pasek.fMask = SIF_ALL;
  GetScrollInfo(uchwyt_, SB_CTL, &pasek);
  int pozycja = pasek.nPos;
  switch (LOWORD(Zadanie)) {
    case SB_LINEUP:
    case SB_PAGEUP:
      --pozycja;
      break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
      ++pozycja;
      break;
    case SB_TOP:
      pozycja = pasek.nMin;
      break;
    case SB_BOTTOM:
      pozycja = pasek.nMax;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pozycja = pasek.nTrackPos;
      break;
    default:
      return std::nullopt;
  }
  pozycja = std::clamp(pozycja, pasek.nMin, pasek.nMax);
  if (pozycja == pasek.nPos) return std::nullopt;
  SetScrollPos(uchwyt_, SB_CTL, pozycja, TRUE);
  return pozycja;
}

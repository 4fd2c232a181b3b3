#pragma once

// How an edit box shows a text that may be wider than the box. A view measures the text in its
// own font; what follows from that is decided here, once for both views.

#include "window/Uklad.h"

struct TWidokPola {
  bool OdKonca = false;     // scrolled so that the end of the text shows
  bool Podpowiedz = false;  // the whole text as the box's tooltip
};

TWidokPola WidokPola(TDlugiTekst Regula, bool ZaDlugi);

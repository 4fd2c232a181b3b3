#include "window/DlugiTekst.h"

TWidokPola WidokPola(TDlugiTekst Regula, bool ZaDlugi) {
  // A text that fits shows whole from its start, and a tooltip would only repeat it.
  if (!ZaDlugi) return {};
  switch (Regula) {
    case TDlugiTekst::Przyciety:
      return {};
    case TDlugiTekst::PodpowiedzPoczatek:
      return {.OdKonca = false, .Podpowiedz = true};
    case TDlugiTekst::PodpowiedzKoniec:
      return {.OdKonca = true, .Podpowiedz = true};
  }
  return {};
}

// Which handler each event of a control runs. The view passes every event here; the window
// decides what it means.

#include <optional>
#include <string>

#include "window/OknoRozpoznika.h"

void TOknoRozpoznika::Klikniecie(TKontrolka Kontrolka) {
  Obsluz([&] {
    switch (Kontrolka) {
      case TKontrolka::SpeedButton1:
        SpeedButton1Click();
        break;
      case TKontrolka::Image2:
        Image2Click();
        break;
      case TKontrolka::InfoMemo:
        InfoMemoClick();
        break;
      case TKontrolka::Label1:
        Label1Click();
        break;
      case TKontrolka::Label6:
        Label6Click();
        break;
      default:
        break;
    }
  });
}

void TOknoRozpoznika::RuchMyszy(TKontrolka Kontrolka) {
  if (Kontrolka == TKontrolka::Label6) Obsluz([this] { Label6MouseMove(); });
}

void TOknoRozpoznika::OpuszczenieMyszy(TKontrolka Kontrolka) {
  if (Kontrolka == TKontrolka::Label6) Obsluz([this] { Label6MouseLeave(); });
}

void TOknoRozpoznika::ZmianaPozycji(TKontrolka Kontrolka, int Pozycja) {
  if (Kontrolka == TKontrolka::ScrollBar1) Obsluz([&] { ScrollBar1Change(Pozycja); });
}

void TOknoRozpoznika::Upuszczenie(const TUpuszczenie& Upuszczone) {
  if (const std::optional<std::string> plik = PlikUpuszczenia(Upuszczone)) {
    Obsluz([&] { UpuszczonoPlik(*plik); });
  }
}

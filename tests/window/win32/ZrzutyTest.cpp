// Screenshots of the Win32 window for a person to look at: idle, with an ambiguous result, and
// with the About panel shown. They are saved under the build folder, as the Qt window's are.

#include <filesystem>

#include "tests/window/win32/Pomocnicy.h"

namespace {

class Zrzuty : public OknoWin32 {
 protected:
  void Zapisz(const char* Nazwa) {
    const std::filesystem::path katalog = SciezkaZUtf8(ROZPOZNIK_KATALOG_ZRZUTOW);
    std::filesystem::create_directories(katalog);
    const TObraz obraz = Zrzut(okno_->Uchwyt());
    ASSERT_EQ(obraz.Szerokosc, 415);
    ASSERT_EQ(obraz.Wysokosc, 393);
    // Something was drawn: the white labels on the dark picture.
    int biale = 0;
    for (std::size_t i = 0; i < obraz.Piksele.size(); i += 3) {
      if (obraz.Piksele[i] > 240 && obraz.Piksele[i + 1] > 240 && obraz.Piksele[i + 2] > 240) {
        ++biale;
      }
    }
    EXPECT_GT(biale, 500);
    ZapiszPng(obraz, Utf8(katalog / Nazwa));
    EXPECT_TRUE(std::filesystem::exists(katalog / Nazwa));
  }
};

}  // namespace

TEST_F(Zrzuty, Bezczynne) {
  Zapisz("bezczynne.png");
}

TEST_F(Zrzuty, Niejednoznaczne) {
  Wybierz(trzy_);
  ASSERT_TRUE(Widoczna(okno_->InfoLabel));
  Zapisz("niejednoznaczne.png");
}

TEST_F(Zrzuty, Informacje) {
  Kliknij(okno_->Image2);
  ASSERT_TRUE(Widoczna(okno_->InfoMemo));
  Zapisz("informacje.png");
}

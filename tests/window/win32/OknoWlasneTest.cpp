// The message plumbing of the program's own window classes: every message goes to the object
// behind the window, from the first to the last, and an error goes to the object, never out
// into the system's code that delivered the message.

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <vector>

#include "window/win32/kontrolki/OknoWlasne.h"

namespace {

constexpr wchar_t KlasaProbna[] = L"TOknoProbne";
constexpr UINT Zepsuty = WM_APP;
constexpr UINT Pytanie = WM_APP + 1;

class TOknoProbne : public TOknoWlasne {
 public:
  void Utworz() { UtworzOkno(KlasaProbna, L"", WS_OVERLAPPED, 0, RECT{0, 0, 80, 60}, nullptr, 0); }
  void UtworzNa(HWND Rodzic) { UtworzKontrolkeWlasna(Rodzic, 7, KlasaProbna); }

  std::vector<UINT> Odebrane;
  bool UchwytPrzyTworzeniu = false;
  std::exception_ptr Blad;

 private:
  LRESULT ObsluzKomunikat(UINT Komunikat, WPARAM W, LPARAM L) override {
    Odebrane.push_back(Komunikat);
    if (Komunikat == WM_CREATE) UchwytPrzyTworzeniu = Uchwyt() != nullptr;
    if (Komunikat == Zepsuty) throw std::runtime_error("zepsuty");
    if (Komunikat == Pytanie) return 42;
    return Domyslnie(Komunikat, W, L);
  }
  void BladObslugi(std::exception_ptr Wyjatek) override { Blad = Wyjatek; }
};

TEST(OknoWlasne, KazdyKomunikatDoObiektuOdPierwszegoDoOstatniego) {
  TOknoProbne okno;
  okno.Utworz();
  ASSERT_NE(okno.Uchwyt(), nullptr);
  ASSERT_FALSE(okno.Odebrane.empty());
  EXPECT_EQ(okno.Odebrane.front(), static_cast<UINT>(WM_NCCREATE));
  EXPECT_TRUE(okno.UchwytPrzyTworzeniu);
  EXPECT_EQ(SendMessageW(okno, Pytanie, 0, 0), 42);

  // A second window of the class, on the first: the class is registered once for both.
  TOknoProbne kontrolka;
  kontrolka.UtworzNa(okno);
  ASSERT_NE(kontrolka.Uchwyt(), nullptr);
  EXPECT_EQ(GetParent(kontrolka), okno.Uchwyt());
  EXPECT_EQ(kontrolka.Identyfikator(), 7);
  EXPECT_EQ(SendMessageW(kontrolka, Pytanie, 0, 0), 42);

  // Gone with its window, each object forgets the handle.
  const HWND uchwyt = okno;
  DestroyWindow(okno);
  EXPECT_FALSE(IsWindow(uchwyt));
  EXPECT_EQ(okno.Uchwyt(), nullptr);
  EXPECT_EQ(kontrolka.Uchwyt(), nullptr);
  EXPECT_EQ(okno.Odebrane.back(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_EQ(kontrolka.Odebrane.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST(OknoWlasne, BladZostajeWObiekcieAOknoDzialaDalej) {
  TOknoProbne okno;
  okno.Utworz();
  EXPECT_EQ(SendMessageW(okno, Zepsuty, 0, 0), 0);
  ASSERT_TRUE(okno.Blad);
  EXPECT_THROW(std::rethrow_exception(okno.Blad), std::runtime_error);
  EXPECT_TRUE(IsWindow(okno));
  EXPECT_EQ(SendMessageW(okno, Pytanie, 0, 0), 42);
  DestroyWindow(okno);
}

}  // namespace

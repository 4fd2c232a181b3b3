// The About panel behind the question mark, its text, and the site link at the bottom.

#include <sstream>
#include <vector>

#include "tests/window/OknoTestowe.h"
#include "text/Cp1250.h"

namespace {

class Informacje : public testing::Test {
 protected:
  const TStanKontrolki& Panel() const { return okno_.Stan()[TKontrolka::InfoMemo]; }
  TKolor KolorOdnosnika() const { return okno_.Stan()[TKontrolka::Label6].KolorTekstu; }

  TFolderTestowy folder_;
  TPulpitTestowy pulpit_;
  TOknoTestowe okno_{pulpit_, folder_};
};

std::vector<std::string> Wiersze(const std::string& Tekst) {
  std::vector<std::string> wiersze;
  std::istringstream strumien(Tekst);
  for (std::string wiersz; std::getline(strumien, wiersz);) wiersze.push_back(wiersz);
  return wiersze;
}

std::size_t Wciecie(const std::string& Wiersz) {
  return Wiersz.find_first_not_of(' ');
}

}  // namespace

TEST_F(Informacje, DwaKliknieciaPokazujaIChowajaPanelNaSwoimMiejscu) {
  EXPECT_FALSE(Panel().Widoczna);
  EXPECT_EQ(Panel().Lewa, 280);
  okno_.Klikniecie(TKontrolka::Image2);
  EXPECT_TRUE(Panel().Widoczna);
  EXPECT_EQ(Panel().Lewa, 8);
  EXPECT_EQ(Panel().Gora, 64);
  okno_.Klikniecie(TKontrolka::Image2);
  EXPECT_FALSE(Panel().Widoczna);
  EXPECT_EQ(okno_.Narysowany[TKontrolka::InfoMemo].Widoczna, false);
}

TEST_F(Informacje, KlikniecieWPanelChowaGo) {
  okno_.Image2Click();
  okno_.Klikniecie(TKontrolka::InfoMemo);
  EXPECT_FALSE(Panel().Widoczna);
  okno_.Image2Click();
  EXPECT_TRUE(Panel().Widoczna);
  EXPECT_EQ(Panel().Lewa, 8);
}

// The leading spaces lay the text out in the panel; the caption's text heads it.
TEST_F(Informacje, WierszeTekstuZWcieciami) {
  const std::vector<std::string> wiersze = Wiersze(Panel().Tekst);
  ASSERT_EQ(wiersze.size(), 17u);
  for (const int pusty : {0, 5, 8}) EXPECT_EQ(wiersze[pusty], "");
  EXPECT_EQ(wiersze[1], std::string(31, ' ') + "Rozpoznik wersja 1.4");
  EXPECT_EQ(wiersze[2], "  " + std::string(74, '-'));
  EXPECT_EQ(Wciecie(wiersze[3]), 2u);
  EXPECT_EQ(Wciecie(wiersze[4]), 28u);
  EXPECT_EQ(Wciecie(wiersze[6]), 16u);
  EXPECT_EQ(Wciecie(wiersze[7]), 16u);
  EXPECT_TRUE(wiersze[6].ends_with(cp1250::ZUtf8("Zespół Rozpoznika (rozpoznik), ")));
  EXPECT_NE(wiersze[7].find("GPL"), std::string::npos);
  EXPECT_EQ(wiersze[9], std::string(16, ' ') + "LICENCJA");
  for (int i = 10; i <= 15; ++i) EXPECT_EQ(Wciecie(wiersze[i]), 2u) << i;
  EXPECT_EQ(Wciecie(wiersze[16]), 21u);
}

TEST_F(Informacje, OdnosnikCzerwonyPodMyszaAzDoWyjscia) {
  EXPECT_EQ(KolorOdnosnika(), Bialy);
  okno_.RuchMyszy(TKontrolka::Label6);
  EXPECT_EQ(KolorOdnosnika(), Czerwony);
  okno_.Klikniecie(TKontrolka::Label6);
  okno_.RuchMyszy(TKontrolka::Label6);
  EXPECT_EQ(KolorOdnosnika(), Czerwony);
  okno_.OpuszczenieMyszy(TKontrolka::Label6);
  EXPECT_EQ(KolorOdnosnika(), Bialy);
  EXPECT_EQ(okno_.Narysowany[TKontrolka::Label6].KolorTekstu, Bialy);
}

TEST_F(Informacje, OdnosnikPokazujeIOtwieraAdresBazowy) {
  EXPECT_EQ(okno_.Stan()[TKontrolka::Label6].Tekst,
            cp1250::ZUtf8("Odwiedź nas: http://rozpoznik.test/"));
  okno_.Klikniecie(TKontrolka::Label6);
  EXPECT_EQ(pulpit_.Adresy, std::vector<std::string>{"http://rozpoznik.test/"});
}

TEST_F(Informacje, KlikniecieNazwyPlikuNicNieZmienia) {
  const int przed = okno_.Odswiezenia;
  okno_.Klikniecie(TKontrolka::Label1);
  EXPECT_EQ(okno_.Odswiezenia, przed);
  EXPECT_TRUE(pulpit_.OferowaneSciezki.empty());
  EXPECT_TRUE(pulpit_.Adresy.empty());
}

// The second look past the key, on samples that real tools made (kept as their non-zero blocks
// near the start and the end, the rest zeros as in the original), the mark moved by one byte,
// and files too short for what a probe wants to read.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "catalogue/Katalog.h"
#include "catalogue/ZasadyKatalogu.h"
#include "engine/Rozpoznanie.h"
#include "engine/Sondy.h"
#include "tests/FolderTestowy.h"

namespace {

// A sample as its size and its non-zero pieces by offset.
struct TProbka {
  std::int64_t Rozmiar = 0;
  std::map<std::int64_t, std::string> Kawalki;

  // One byte put in at `od`: what stood there and after it moves one place on.
  void Wstaw(std::int64_t od, char bajt) {
    std::map<std::int64_t, std::string> nowe;
    for (auto& [poczatek, kawalek] : Kawalki) {
      const auto koniec = poczatek + static_cast<std::int64_t>(kawalek.size());
      if (poczatek >= od) {
        nowe[poczatek + 1] = kawalek;
      } else if (koniec > od) {
        kawalek.insert(static_cast<std::size_t>(od - poczatek), 1, bajt);
        nowe[poczatek] = kawalek;
      } else {
        nowe[poczatek] = kawalek;
      }
    }
    if (!nowe.contains(od) && std::ranges::none_of(nowe, [&](const auto& k) {
          return k.first < od && k.first + static_cast<std::int64_t>(k.second.size()) > od;
        }))
      nowe[od] = std::string(1, bajt);
    Kawalki = std::move(nowe);
    ++Rozmiar;
  }

  // Only the first `rozmiar` bytes stay.
  void Obetnij(std::int64_t rozmiar) {
    std::erase_if(Kawalki, [&](const auto& k) { return k.first >= rozmiar; });
    for (auto& [poczatek, kawalek] : Kawalki) {
      kawalek.resize(
          std::min<std::size_t>(kawalek.size(), static_cast<std::size_t>(rozmiar - poczatek)));
    }
    Rozmiar = std::min(Rozmiar, rozmiar);
  }
};

// The sample's bytes from `od` on as hex digits, `ile` bytes at most.
std::string Szesnastkowo(const TProbka& probka, std::int64_t od, std::size_t ile) {
  std::string hex;
  for (std::int64_t i = od; i < probka.Rozmiar && hex.size() < 2 * ile; ++i) {
    unsigned b = 0;
    for (const auto& [poczatek, kawalek] : probka.Kawalki) {
      if (poczatek <= i && i < poczatek + static_cast<std::int64_t>(kawalek.size()))
        b = static_cast<unsigned char>(kawalek[static_cast<std::size_t>(i - poczatek)]);
    }
    hex += "0123456789ABCDEF"[b >> 4];
    hex += "0123456789ABCDEF"[b & 15];
  }
  return hex;
}

TProbka Wczytaj(const std::string& nazwa) {
  const std::filesystem::path folder = std::filesystem::path(ROZPOZNIK_PROBKI_SOND) / nazwa;
  TProbka probka;
  std::ifstream(folder / "rozmiar") >> probka.Rozmiar;
  for (const auto& wpis : std::filesystem::directory_iterator(folder)) {
    const std::string nazwaKawalka = wpis.path().filename().string();
    if (nazwaKawalka == "rozmiar") continue;
    std::ifstream plik(wpis.path(), std::ios::binary);
    probka.Kawalki[std::stoll(nazwaKawalka)] = {std::istreambuf_iterator<char>(plik), {}};
  }
  return probka;
}

std::string Zapisz(const TFolderTestowy& folder, const std::string& nazwa, const TProbka& probka) {
  const std::string sciezka = folder.Zapisz(nazwa, "");
  std::filesystem::resize_file(SciezkaZUtf8(sciezka), static_cast<std::uintmax_t>(probka.Rozmiar));
  std::fstream plik(SciezkaZUtf8(sciezka), std::ios::binary | std::ios::in | std::ios::out);
  for (const auto& [od, kawalek] : probka.Kawalki) {
    plik.seekp(od);
    plik.write(kawalek.data(), static_cast<std::streamsize>(kawalek.size()));
  }
  return sciezka;
}

struct TOczekiwana {
  const char* Probka;
  TWierszSondy Wiersz;
  const char* Sonda;
  std::int64_t Przesuniecie;
};

// Where each tool's file keeps its mark; -1 where it lies at the file's end.
constexpr TOczekiwana Oczekiwane[] = {
    {"tar-gnu.tar", TWierszSondy::TarGnu, "tar-gnu", 257},
    {"tar-posix.tar", TWierszSondy::TarPosix, "tar-posix", 257},
    {"iso9660.iso", TWierszSondy::Iso9660, "iso9660", 32768},
    {"udf.img", TWierszSondy::Udf, "udf", 34816},
    {"udf-most.iso", TWierszSondy::Udf, "udf", 38912},
    {"udf-most.iso", TWierszSondy::Iso9660, "iso9660", 32768},
    {"ext2.img", TWierszSondy::Ext2, "ext", 1080},
    {"ext3.img", TWierszSondy::Ext3, "ext", 1080},
    {"ext4.img", TWierszSondy::Ext4, "ext", 1080},
    {"btrfs.img", TWierszSondy::Btrfs, "btrfs", 65600},
    {"fat12.img", TWierszSondy::Fat12, "fat12", 38},
    {"fat16.img", TWierszSondy::Fat16, "fat16", 38},
    {"fat32.img", TWierszSondy::Fat32, "fat32", 66},
    {"mbr.img", TWierszSondy::Mbr, "mbr", 446},
    {"gpt.img", TWierszSondy::Gpt, "gpt", 512},
    {"vhd.vhd", TWierszSondy::Vhd, "vhd", -1},
    {"ts.ts", TWierszSondy::MpegTs, "mpeg-ts", 0},
    {"m2ts.m2ts", TWierszSondy::M2ts, "m2ts", 4},
    {"mp3.mp3", TWierszSondy::Mp3ZaId3, "id3", 3057},
    {"id3-flac.flac", TWierszSondy::FlacZaId3, "id3", 3057},
    {"id3-ogg.ogg", TWierszSondy::VorbisZaId3, "id3", 3057},
    {"hdf5.h5", TWierszSondy::Hdf5ZBlokiem, "hdf5", 1024},
    {"dicom.dcm", TWierszSondy::Dicom, "dicom", 128},
};

bool Ma(const TRozpoznanie& wynik, TWierszSondy wiersz) {
  return std::ranges::find(wynik.Kandydaci, &WierszSondy(wiersz)) != wynik.Kandydaci.end();
}

class Sondy : public testing::Test {
 protected:
  TRozpoznanie Rozpoznany(const std::string& nazwa, const TProbka& probka) {
    TRozpoznanie wynik;
    Rozpoznaj(Zapisz(folder_, nazwa, probka), wynik);
    return wynik;
  }

  TFolderTestowy folder_;
};

TEST_F(Sondy, KazdaProbkaNarzedziaJestRozpoznanaPrzezSwojaSonde) {
  for (const TOczekiwana& o : Oczekiwane) {
    SCOPED_TRACE(o.Probka);
    const TProbka probka = Wczytaj(o.Probka);
    const TRozpoznanie wynik = Rozpoznany(o.Probka, probka);
    ASSERT_TRUE(Ma(wynik, o.Wiersz));
    const TWynikSondy* sonda = WynikSondy(wynik, &WierszSondy(o.Wiersz));
    ASSERT_NE(sonda, nullptr);
    EXPECT_EQ(sonda->Trafienie.Sonda, o.Sonda);
    EXPECT_EQ(sonda->Trafienie.Przesuniecie,
              o.Przesuniecie < 0 ? probka.Rozmiar - 512 : o.Przesuniecie);
    EXPECT_GT(sonda->Trafienie.PrzypieteBajty, 0u);
    // The bytes shown are the file's own at that offset.
    ASSERT_FALSE(sonda->Bajty.empty());
    EXPECT_EQ(sonda->Bajty,
              Szesnastkowo(probka, sonda->Trafienie.Przesuniecie, sonda->Bajty.size() / 2));
    EXPECT_EQ(PrzypieteBajty(wynik, &WierszSondy(o.Wiersz)), sonda->Trafienie.PrzypieteBajty);
  }
}

TEST_F(Sondy, ProbkaBezRozszerzeniaJestRozpoznanaTakSamo) {
  for (const TOczekiwana& o : Oczekiwane) {
    SCOPED_TRACE(o.Probka);
    EXPECT_TRUE(Ma(Rozpoznany("bez_nazwy", Wczytaj(o.Probka)), o.Wiersz));
  }
}

TEST_F(Sondy, ZnakPrzesunietyOJedenBajtNieTrafia) {
  for (const TOczekiwana& o : Oczekiwane) {
    SCOPED_TRACE(o.Probka);
    TProbka probka = Wczytaj(o.Probka);
    if (o.Przesuniecie < 0) {
      // The footer one byte before the end.
      probka.Kawalki[probka.Rozmiar] = std::string(1, '\x20');
      ++probka.Rozmiar;
    } else {
      probka.Wstaw(o.Przesuniecie, '\x20');
    }
    EXPECT_FALSE(Ma(Rozpoznany(o.Probka, probka), o.Wiersz));
  }
}

TEST_F(Sondy, PlikKonczacySiePrzedZnakiemNieTrafia) {
  for (const TOczekiwana& o : Oczekiwane) {
    if (o.Przesuniecie < 0) continue;
    SCOPED_TRACE(o.Probka);
    TProbka probka = Wczytaj(o.Probka);
    // The mark's first byte is the file's last.
    probka.Obetnij(o.Przesuniecie + 1);
    const TRozpoznanie wynik = Rozpoznany(o.Probka, probka);
    EXPECT_NE(wynik.Stan, TStanRozpoznania::Nieczytelny);
    EXPECT_FALSE(Ma(wynik, o.Wiersz));
  }
}

TEST_F(Sondy, WrogieRozmiaryNieCzytajaZaKoncem) {
  // An ID3 tag whose size points far past the end, and one that ends exactly at the end.
  const std::string id3 = std::string("ID3\x03\x00\x00\x7F\x7F\x7F\x7F", 10) + "fLaC";
  const std::string id3DoKonca = std::string("ID3\x03\x00\x00\x00\x00\x00\x04", 10) + "fLaC";
  // A VHD footer's mark in a file shorter than the footer.
  const std::string vhd = std::string(32, '\0') + "conectix";
  // A transport stream of two packets: too short to show the sync byte six times.
  const std::string ts = "\x47" + std::string(187, '\0') + "\x47" + std::string(187, '\0');
  for (const std::string* tresc : {&id3, &id3DoKonca, &vhd, &ts}) {
    TRozpoznanie wynik;
    Rozpoznaj(folder_.Zapisz("wrogi", *tresc), wynik);
    EXPECT_NE(wynik.Stan, TStanRozpoznania::Nieczytelny);
    EXPECT_TRUE(wynik.Sondy.empty());
  }
}

TEST_F(Sondy, ZwyklyPlikIKluczBezPlikuNieUruchamiajaSond) {
  TRozpoznanie wynik;
  Rozpoznaj(folder_.Zapisz("obraz.png", "\x89PNG\r\n\x1A\n" + std::string(100, '\x01')), wynik);
  EXPECT_TRUE(wynik.Sondy.empty());
  // The site's triage knows the first bytes only: a tar's name and zeros fit nothing there.
  TRozpoznanie tar;
  Rozpoznaj(Zapisz(folder_, "a.tar", Wczytaj("tar-gnu.tar")), tar);
  TKandydaci kandydaci;
  EXPECT_FALSE(RozpoznajKlucz(tar.Odczyt.Klucz, kandydaci));
  // And the catalogue alone is asked without them.
  TPlikDoOdczytu plik(folder_.Sciezka("a.tar"));
  EXPECT_FALSE(RozpoznajPlik(tar.Odczyt.Klucz, plik, kandydaci, BezSuplementu));
}

TEST_F(Sondy, OdpowiedziSondStojaZaOdpowiedziamiKlucza) {
  // ID3 before FLAC: the catalogue's own answer for the tag first, the probe's behind it.
  TRozpoznanie wynik;
  Rozpoznaj(Zapisz(folder_, "bez_nazwy", Wczytaj("id3-flac.flac")), wynik);
  ASSERT_GE(wynik.Kandydaci.size(), 2u);
  EXPECT_EQ(TabelaWiersza(*wynik.Kandydaci.front()), "BazaSygnatur");
  EXPECT_EQ(wynik.Kandydaci.back(), &WierszSondy(TWierszSondy::FlacZaId3));
}

TEST(ZasadySond, WierszSondyNieMaSygnatury) {
  EXPECT_EQ(zasady::SprawdzWiersz({"TAR", "7573746172", "Archiwum tar", "Archiwum", ""},
                                  TRodzajTabeli::SondSuplementu),
            TZasada::WierszSondyZSygnatura);
  EXPECT_EQ(zasady::SprawdzWiersz({"TAR", "", "Archiwum tar", "Archiwum", ""},
                                  TRodzajTabeli::SondSuplementu),
            TZasada::Spelniona);
}

TEST(ZasadySond, ZnakIPoczatekSaPorownywanePoPolowachBajtow) {
  const unsigned char bajty[] = {0x00, 0x4E, 0x53, 0x52, 0x30, 0x33, 0x01};
  EXPECT_TRUE(PasujeZnak(bajty, "004E5352303*01"));
  EXPECT_FALSE(PasujeZnak(bajty, "004E535230**02"));
  EXPECT_FALSE(PasujeZnak(std::span(bajty, 6), "004E5352303*01"));
  EXPECT_EQ(PrzypieteZnaku("004E5352303*01"), 6u);
  EXPECT_TRUE(PasujePoczatek("0000000047", "********47"));
  EXPECT_FALSE(PasujePoczatek("00000000", "********47"));
}

}  // namespace

// Without a name, a disk image's first bytes are zeros that older rows claim ("BitComet", ten
// zero bytes); the probe that ran on those zeros and found its mark deeper pins both.
TEST_F(Sondy, ObrazBezNazwyPierwszyWedlugPrzypietych) {
  for (const char* nazwa : {"iso9660.iso", "ext4.img"}) {
    SCOPED_TRACE(nazwa);
    const TRozpoznanie wynik = Rozpoznany("bez_nazwy", Wczytaj(nazwa));
    ASSERT_EQ(wynik.Sondy.size(), 1u);
    const TOpisPliku* sondy = wynik.Sondy.front().Trafienie.Wiersz;
    for (const TOpisPliku* k : wynik.Kandydaci) {
      if (k != sondy) {
        EXPECT_LT(PrzypieteBajty(wynik, k), PrzypieteBajty(wynik, sondy));
      }
    }
  }
}

// A file meets only the probes that the masks leave for its key's first byte. The masks must leave
// every probe whose condition holds: for keys made from each probe's leading digits (each "*" as
// a digit, at the condition's length and at full length), a start of zeros, keys too short or
// not hex to be told by their first byte, and random keys of every first byte, whether or not a
// row fitted.
TEST(MaskiSond, KazdaSondaKtoraMozeBiecJestWMasceKlucza) {
  std::vector<std::string> klucze = {
      "", "0", "*", "a1", std::string(160, '0'), std::string(32, '0') + "FF", std::string(31, '0')};
  for (const TSonda& sonda : TabelaSond) {
    for (const char cyfra : {'0', '9', 'F'}) {
      std::string klucz(sonda.Kiedy.Poczatek);
      std::ranges::replace(klucz, '*', cyfra);
      klucze.push_back(klucz);
      klucz.resize(160, cyfra);
      klucze.push_back(klucz);
    }
  }
  std::mt19937 los(22);
  std::uniform_int_distribution<int> cyfra(0, 15);
  for (int bajt = 0; bajt < 256; ++bajt) {
    std::string klucz = {"0123456789ABCDEF"[bajt / 16], "0123456789ABCDEF"[bajt % 16]};
    for (int i = 0; i < 10; ++i) klucz += "0123456789ABCDEF"[cyfra(los)];
    klucze.push_back(klucz);
  }
  std::size_t pominiete = 0;
  for (const std::string& klucz : klucze) {
    for (const bool nicNiePasowalo : {false, true}) {
      const std::uint32_t maska = MozliweSondyTabeli(klucz, nicNiePasowalo);
      for (std::size_t i = 0; i < TabelaSond.size(); ++i) {
        const bool wMasce = (maska >> i & 1u) != 0;
        if (SondaMozeBiec(TabelaSond[i].Kiedy, klucz, nicNiePasowalo)) {
          EXPECT_TRUE(wMasce) << TabelaSond[i].Nazwa << ", key " << klucz;
        }
        pominiete += wMasce ? 0 : 1;
      }
    }
  }
  // The masks spare most keys most probes.
  EXPECT_GT(pominiete, klucze.size() * TabelaSond.size());
}

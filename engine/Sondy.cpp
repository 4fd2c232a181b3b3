#include "engine/Sondy.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "catalogue/IndeksWierszy.h"
#include "text/Szesnastkowo.h"

namespace {

int WartoscCyfry(char c) {
  return c <= '9' ? c - '0' : c - 'A' + 10;
}

bool PoZerach(std::string_view tekstKlucza) {
  return tekstKlucza.size() >= 2 * ZeraNaPoczatku &&
         tekstKlucza.find_first_not_of('0') >= 2 * ZeraNaPoczatku;
}

// What every probe's condition asks of the key beside its own leading digits, worked out once
// for all the probes.
struct TStanKlucza {
  std::string_view Tekst;
  bool PoZerach;
  bool NicNiePasowalo;
};

bool MozeBiec(const TKiedySonda& kiedy, const TStanKlucza& klucz) {
  return (!kiedy.Poczatek.empty() && PasujePoczatek(klucz.Tekst, kiedy.Poczatek)) ||
         (kiedy.PoZerach && klucz.PoZerach) || (kiedy.GdyNicInnego && klucz.NicNiePasowalo);
}

// The bytes of the key that let the probe run: its answer stands on them as well as on its mark.
std::size_t PrzypieteWarunku(const TKiedySonda& kiedy, std::string_view tekstKlucza) {
  if (!kiedy.Poczatek.empty() && PasujePoczatek(tekstKlucza, kiedy.Poczatek))
    return PrzypieteZnaku(kiedy.Poczatek);
  if (kiedy.PoZerach && PoZerach(tekstKlucza)) return ZeraNaPoczatku;
  return 0;
}

std::int64_t DlugoscZnaku(const TSonda& sonda) {
  return static_cast<std::int64_t>(sonda.Znak.size() / 2);
}

// The offset where a probe of fixed places found its mark, or -1.
std::int64_t SzukajZnaku(TPlikDoOdczytu& plik, const TSonda& sonda) {
  std::array<unsigned char, 96> bajty{};
  const std::span<unsigned char> znak(bajty.data(), static_cast<std::size_t>(DlugoscZnaku(sonda)));
  const std::int64_t poczatek = sonda.Miejsce == TMiejsceSondy::OdKonca
                                    ? plik.Rozmiar() - sonda.Przesuniecie
                                    : sonda.Przesuniecie;
  std::int64_t znaleziony = -1;
  for (std::size_t k = 0; k < sonda.Powtorzen; ++k) {
    const std::int64_t od = poczatek + static_cast<std::int64_t>(k) * sonda.Krok;
    const bool jest = CzytajDokladnie(plik, od, znak) && PasujeZnak(znak, sonda.Znak);
    if (jest && znaleziony < 0) znaleziony = od;
    if (jest && !sonda.Kazdy) return znaleziony;
    if (!jest && sonda.Kazdy) return -1;
  }
  return znaleziony;
}

// The most a probe may read: a probe of fixed places reads its mark at each of them.
std::int64_t NajwiecejBajtow(const TSonda& sonda) {
  if (sonda.Miejsce == TMiejsceSondy::Czytanie) return sonda.Najwiecej;
  return DlugoscZnaku(sonda) * static_cast<std::int64_t>(sonda.Powtorzen);
}

std::string BajtyPrzy(TPlikDoOdczytu& plik, std::int64_t od, std::size_t ile) {
  std::array<unsigned char, BajtyDoPokazania> bajty{};
  ile = std::min(ile, bajty.size());
  const std::int64_t przeczytane =
      od >= 0 && od < plik.Rozmiar() ? plik.Czytaj(od, bajty.data(), ile) : 0;
  std::string hex(2 * static_cast<std::size_t>(std::max<std::int64_t>(przeczytane, 0)), '0');
  char* cel = hex.data();
  for (std::size_t i = 0; 2 * i < hex.size(); ++i) cel = ZapiszSzesnastkowo(cel, bajty[i]);
  return hex;
}

}  // namespace

bool CzytajDokladnie(TPlikDoOdczytu& Plik, std::int64_t Od, std::span<unsigned char> Bufor) {
  const auto ile = static_cast<std::int64_t>(Bufor.size());
  if (Od < 0 || Od > Plik.Rozmiar() - ile) return false;
  // A read may deliver less than asked, such as the rest of the file's first block.
  for (std::int64_t mam = 0; mam < ile;) {
    const std::int64_t n =
        Plik.Czytaj(Od + mam, Bufor.data() + mam, Bufor.size() - static_cast<std::size_t>(mam));
    if (n <= 0) return false;
    mam += n;
  }
  return true;
}

bool PasujePoczatek(std::string_view TekstKlucza, std::string_view Poczatek) {
  if (TekstKlucza.size() < Poczatek.size()) return false;
  for (std::size_t i = 0; i < Poczatek.size(); ++i) {
    if (Poczatek[i] != '*' && Poczatek[i] != TekstKlucza[i]) return false;
  }
  return true;
}

bool PasujeZnak(std::span<const unsigned char> Bajty, std::string_view Znak) {
  if (2 * Bajty.size() != Znak.size()) return false;
  for (std::size_t i = 0; i < Znak.size(); ++i) {
    const unsigned polowa = i % 2 == 0 ? Bajty[i / 2] >> 4 : Bajty[i / 2] & 0x0Fu;
    if (Znak[i] != '*' && static_cast<unsigned>(WartoscCyfry(Znak[i])) != polowa) return false;
  }
  return true;
}

std::size_t PrzypieteZnaku(std::string_view Znak) {
  std::size_t bajty = 0;
  for (std::size_t i = 0; i + 1 < Znak.size(); i += 2) {
    if (Znak[i] != '*' && Znak[i + 1] != '*') ++bajty;
  }
  return bajty;
}

void DodajZSond(const TOpisPliku& Klucz, TPlikDoOdczytu& Plik, std::span<const TSonda> Sondy,
                TKandydaci& Kandydaci, TWynikiSond& Wyniki) {
  const std::string_view tekstKlucza = Klucz.Sygnatura.Tekst();
  const TStanKlucza klucz{tekstKlucza, PoZerach(tekstKlucza), Kandydaci.empty()};
  std::int64_t przeczytane = 0;
  const auto sprobuj = [&](const TSonda& sonda) {
    if (!MozeBiec(sonda.Kiedy, klucz)) return;
    const std::int64_t koszt = NajwiecejBajtow(sonda) + static_cast<std::int64_t>(BajtyDoPokazania);
    if (przeczytane + koszt > LimitOdczytuSond) return;
    przeczytane += koszt;
    TTrafienieSondy trafienie;
    if (sonda.Miejsce == TMiejsceSondy::Czytanie) {
      if (!sonda.Czytanie(Plik, trafienie) || trafienie.Wiersz == nullptr) return;
    } else {
      const std::int64_t od = SzukajZnaku(Plik, sonda);
      if (od < 0) return;
      trafienie.Wiersz = &WierszSondy(sonda.Wiersz);
      trafienie.Przesuniecie = od;
      trafienie.PrzypieteBajty = PrzypieteZnaku(sonda.Znak);
    }
    trafienie.Sonda = sonda.Nazwa;
    const std::size_t pokazane = sonda.Znak.empty()
                                     ? std::max<std::size_t>(trafienie.PrzypieteBajty, 1)
                                     : sonda.Znak.size() / 2;
    trafienie.PrzypieteBajty += PrzypieteWarunku(sonda.Kiedy, tekstKlucza);
    // A format the first 80 bytes already named is not shown twice (the containers' rows repeat
    // the words of the rows that know a container by its first entry): the probe confirms that
    // candidate in its place instead, and lends it what it pinned.
    const auto takiSam = [&](const TOpisPliku* w) {
      return w == trafienie.Wiersz ||
             (w->Typ == trafienie.Wiersz->Typ && w->Rozszerzenie == trafienie.Wiersz->Rozszerzenie);
    };
    const auto obecny = std::ranges::find_if(Kandydaci, takiSam);
    if (obecny != Kandydaci.end()) {
      const auto potwierdzony = [&](const TWynikSondy& w) { return w.Trafienie.Wiersz == *obecny; };
      if (std::ranges::any_of(Wyniki, potwierdzony)) return;
      trafienie.Wiersz = *obecny;
    } else {
      Kandydaci.push_back(trafienie.Wiersz);
    }
    Wyniki.push_back({trafienie, BajtyPrzy(Plik, trafienie.Przesuniecie, pokazane), sonda.Znak});
  };
  // The catalogue's probes are met only where the key's first byte leaves their conditions open,
  // in table order; another table's, all of them.
  if (Sondy.data() == TabelaSond.data() && Sondy.size() == TabelaSond.size()) {
    for (std::uint32_t maska = MozliweSondyTabeli(tekstKlucza, klucz.NicNiePasowalo); maska != 0;
         maska &= maska - 1) {
      sprobuj(Sondy[static_cast<std::size_t>(std::countr_zero(maska))]);
    }
  } else {
    for (const TSonda& sonda : Sondy) sprobuj(sonda);
  }
}

bool SondaMozeBiec(const TKiedySonda& Kiedy, std::string_view TekstKlucza, bool NicNiePasowalo) {
  return MozeBiec(Kiedy, {TekstKlucza, PoZerach(TekstKlucza), NicNiePasowalo});
}

std::uint32_t MozliweSondyTabeli(std::string_view TekstKlucza, bool NicNiePasowalo) {
  const std::size_t bajt = indeks::GrupaKlucza(TekstKlucza);
  const std::uint32_t poPoczatku = bajt < MaskiTabeliSond.PoPierwszymBajcie.size()
                                       ? MaskiTabeliSond.PoPierwszymBajcie[bajt]
                                       : MaskiTabeliSond.Wszystkie;
  return poPoczatku | (NicNiePasowalo ? MaskiTabeliSond.GdyNicInnego : 0);
}

// The container probes on any file: each either recognises nothing or answers with a row of its
// own family (the row's signature is the probe's mark) and bytes that lie within the file, and
// none crashes, hangs or reads out of bounds whatever the offsets, sizes and chains say.
//
// Input: one byte choosing the probe, then the file's content.

#include "engine/SondyKontenerow.h"

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "catalogue/SuplementKontenerow.h"
#include "fuzz/FolderProcesu.h"

namespace {

struct TSonda {
  TCzytanieSondy Czytaj;
  std::string_view Znak;  // the signature of its rows
};

constexpr TSonda Sondy[] = {
    {SondaPe, "4D5A"}, {SondaZip, "504B0304"}, {SondaOle2, "D0CF11E0A1B11AE1"}};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  UtworzFolderProcesu();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  if (rozmiar == 0) return 0;
  const TSonda& sonda = Sondy[dane[0] % std::size(Sondy)];
  const std::string_view tresc(reinterpret_cast<const char*>(dane) + 1, rozmiar - 1);
  const std::string sciezka = SciezkaWFolderzeProcesu("plik");
  std::ofstream(sciezka, std::ios::binary)
      .write(tresc.data(), static_cast<std::streamsize>(tresc.size()));

  TPlikDoOdczytu plik(sciezka);
  Sprawdz(plik.Otwarty());
  TTrafienieSondy trafienie;
  if (sonda.Czytaj(plik, trafienie)) {
    Sprawdz(trafienie.Wiersz >= SuplementKontenerow.data() &&
            trafienie.Wiersz < SuplementKontenerow.data() + SuplementKontenerow.size());
    Sprawdz(trafienie.Wiersz->Sygnatura.Tekst() == sonda.Znak);
    Sprawdz(!trafienie.Sonda.empty() && trafienie.Przesuniecie >= 0 &&
            trafienie.PrzypieteBajty > 0 &&
            trafienie.Przesuniecie + static_cast<std::int64_t>(trafienie.PrzypieteBajty) <=
                static_cast<std::int64_t>(tresc.size()));
  }
  ::unlink(sciezka.c_str());
  return 0;
}

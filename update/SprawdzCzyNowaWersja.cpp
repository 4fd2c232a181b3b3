#include "update/SprawdzCzyNowaWersja.h"

#include <string>

#include "text/Cp1250.h"
#include "update/CzasLokalny.h"
#include "update/PlikZnacznika.h"
#include "update/PobierzStrone.h"

namespace {

constexpr int DniMiedzyPytaniami = 7;

// A marker that is missing, is not a regular file or carries a date the MS-DOS form cannot hold
// has no age; the site is then not asked and the marker is not created, as the install puts a
// real one in place and a missing one is the user's choice.
bool CzasPytac(const TPlikZnacznika& Znacznik, const TCzasLokalny& Dzis) {
  const auto zapis = Znacznik.CzasZapisu();
  if (!zapis) return false;
  const auto moment = WPostaciDos(*zapis);
  return moment && WiekWDniach(Dzis, *moment) >= DniMiedzyPytaniami;
}

}  // namespace

void SprawdzCzyNowaWersja(const std::string& TytulOkna, const TWitryna& Witryna,
                          const TSrodowiskoAktualizacji& Srodowisko,
                          const TPulpitAktualizacji& Pulpit) {
  // Nothing met here may stop the program from starting, so every failure ends the check
  // silently.
  try {
    const TCzasLokalny dzis = Polnoc(Srodowisko.Teraz());
    TPlikZnacznika znacznik(Srodowisko.SciezkaZnacznika);
    if (!CzasPytac(znacznik, dzis)) return;

    // The download always reports success; the answer alone tells.
    std::string odpowiedz;
    PobierzStrone(odpowiedz, Witryna.AdresZapytaniaOWersje(Srodowisko.Losuj(), TytulOkna));
    if (odpowiedz != "1") return;
    static const std::string pytanie =
        cp1250::ZUtf8("Dostępna jest nowsza wersja programu. Czy chcesz zaktualizować?");
    if (Pulpit.ZapytajTakNie(pytanie)) Pulpit.OtworzAdres(Witryna.AdresStronyAktualizacji());
    // Whatever the answer, the site is not asked again for a week. A marker that can't be
    // re-dated (read-only) brings the question back at the next start.
    znacznik.UstawCzasZapisu(dzis);
  } catch (...) {
  }
}

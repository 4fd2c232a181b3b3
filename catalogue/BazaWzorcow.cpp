// The pattern table, built from its source rows while the program is compiled.

#include "catalogue/IndeksWierszy.h"
#include "catalogue/Katalog.h"
#include "catalogue/WierszeWzorcow.h"
#include "catalogue/ZasadyKatalogu.h"

constexpr std::array<TOpisPliku, RozmiarBazyWzorcow> BazaWzorcow =
    ZbudujSprawdzonaTabele<TRodzajTabeli::Wzorcow, WierszeWzorcow, KazdyWierszUstalony>();

namespace {

constexpr auto DaneIndeksu = ZbudujIndeks<BazaWzorcow>();
static_assert(
    !SprawdzajKatalog || IndeksZgodnyZTabela(BazaWzorcow, DaneIndeksu),
    "the index of the pattern table lists rows that no key of their group can fit, or misses one");

}  // namespace

constexpr TIndeksWierszy IndeksBazyWzorcow = DaneIndeksu.Widok();

// The pattern table, built from its source rows while the program is compiled.

#include "catalogue/Katalog.h"
#include "catalogue/WierszeWzorcow.h"
#include "catalogue/ZasadyKatalogu.h"

constexpr std::array<TOpisPliku, RozmiarBazyWzorcow> BazaWzorcow =
    ZbudujSprawdzonaTabele<TRodzajTabeli::Wzorcow, WierszeWzorcow, KazdyWierszUstalony>();

// The site link: Label6 opens the maker's web site and is red while the mouse is over it.

#include "window/OknoRozpoznika.h"
#include "window/Pulpit.h"

void TOknoRozpoznika::Label6Click() {
  pulpit_.OtworzAdres(witryna_.AdresKorzenia());
}

// Set on every move over the label, not only on entry.
void TOknoRozpoznika::Label6MouseMove() {
  stan_[TKontrolka::Label6].KolorTekstu = Czerwony;
  PokazStan();
}

void TOknoRozpoznika::Label6MouseLeave() {
  stan_[TKontrolka::Label6].KolorTekstu = Bialy;
  PokazStan();
}

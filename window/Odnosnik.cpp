// The site link: Label6 opens the maker's web site and is red while the mouse is over it.

#include "window/Pulpit.h"
#include "window/Unit1.h"

namespace {

void UstawKolorTekstu(QLabel* Etykieta, const QColor& Kolor) {
  QPalette paleta = Etykieta->palette();
  paleta.setColor(QPalette::WindowText, Kolor);
  Etykieta->setPalette(paleta);
}

}  // namespace

void TForm1::Label6Click() {
  pulpit_.OtworzAdres(witryna_.AdresKorzenia());
}

void TForm1::Label6MouseMove(QLabel* Sender) {
  UstawKolorTekstu(Sender, Qt::red);
}

void TForm1::Label6MouseLeave(QLabel* Sender) {
  UstawKolorTekstu(Sender, Qt::white);
}

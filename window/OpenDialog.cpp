#include "window/OpenDialog.h"

#include <QWidget>

#include "window/Pulpit.h"

TOpenDialog::TOpenDialog(TPulpit& Pulpit, QWidget* Okno)
    : QObject(Okno), pulpit_(Pulpit), okno_(Okno) {}

bool TOpenDialog::Execute() {
  const std::optional<QString> wybrany = pulpit_.WybierzPlik(okno_, FileName);
  if (!wybrany) return false;
  FileName = *wybrany;
  return true;
}

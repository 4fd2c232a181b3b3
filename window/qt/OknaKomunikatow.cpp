#include "window/qt/OknaKomunikatow.h"

#include "window/Teksty.h"

namespace {

std::unique_ptr<QMessageBox> Okno(QMessageBox::Icon Ikona, const QString& Tytul,
                                  const QString& Tekst, QMessageBox::StandardButtons Przyciski,
                                  QMessageBox::StandardButton Domyslny,
                                  QMessageBox::StandardButton Anulujacy) {
  auto okno = std::make_unique<QMessageBox>(Ikona, Tytul, Tekst, Przyciski);
  okno->setTextFormat(Qt::PlainText);
  okno->setDefaultButton(Domyslny);
  okno->setEscapeButton(Anulujacy);
  return okno;
}

}  // namespace

std::unique_ptr<QMessageBox> OknoBledu(const QString& Tekst) {
  return Okno(QMessageBox::Critical, QString::fromUtf8(NazwaAplikacji), Tekst, QMessageBox::Ok,
              QMessageBox::Ok, QMessageBox::Ok);
}

std::unique_ptr<QMessageBox> OknoOkAnuluj(const QString& Tekst) {
  return Okno(QMessageBox::Question, QStringLiteral("Confirm"), Tekst,
              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel);
}

std::unique_ptr<QMessageBox> OknoTakNie(const QString& Tekst) {
  return Okno(QMessageBox::Question, QStringLiteral("Confirm"), Tekst,
              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No);
}

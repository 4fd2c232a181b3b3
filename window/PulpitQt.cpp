#include "window/PulpitQt.h"

#include <QDesktopServices>
#include <QGuiApplication>

#include "window/DialogOtwarcia.h"
#include "window/OknaKomunikatow.h"
#include "window/Tekst.h"
#include "window/TypSystemowy.h"

std::optional<QString> TPulpitQt::WybierzPlik(QWidget* Okno, const QString& Poprzednia) {
  const auto dialog = ZbudujDialogOtwarcia(Okno, Poprzednia);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog->selectedFiles().constFirst();
}

void TPulpitQt::PokazBlad(const std::string& Tekst) {
  OknoBledu(QString::fromLocal8Bit(Tekst))->exec();
}

bool TPulpitQt::PotwierdzOkAnuluj(const std::string& Tekst) {
  return OknoOkAnuluj(TekstWierszami(Tekst))->exec() == QMessageBox::Ok;
}

bool TPulpitQt::ZapytajTakNie(const std::string& Tekst) {
  return OknoTakNie(TekstWierszami(Tekst))->exec() == QMessageBox::Yes;
}

QUrl AdresDlaPrzegladarki(const std::string& Adres) {
  return QUrl::fromEncoded(QByteArray::fromStdString(Adres), QUrl::StrictMode);
}

void TPulpitQt::OtworzAdres(const std::string& Adres) {
  QDesktopServices::openUrl(AdresDlaPrzegladarki(Adres));
}

std::string TPulpitQt::PobierzTypSystemowy(const std::string& Sciezka) {
  return ::PobierzTypSystemowy(Sciezka);
}

void TPulpitQt::ZacznijPrace() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void TPulpitQt::SkonczPrace() {
  QGuiApplication::restoreOverrideCursor();
}

#include "window/qt/PulpitQt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>

#include "window/qt/OknaKomunikatow.h"
#include "window/qt/Tekst.h"
#include "window/qt/TypSystemowy.h"

std::unique_ptr<QFileDialog> ZbudujDialogOtwarcia(QWidget* Okno, const QString& Poprzednia) {
  auto dialog = std::make_unique<QFileDialog>(Okno);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setOption(QFileDialog::DontResolveSymlinks);
  dialog->setSizeGripEnabled(true);
  if (!Poprzednia.isEmpty()) dialog->selectFile(Poprzednia);
  return dialog;
}

std::optional<std::string> TPulpitQt::WybierzPlik(const std::string& Poprzednia) {
  const auto dialog = ZbudujDialogOtwarcia(
      QApplication::activeWindow(), QFile::decodeName(QByteArray::fromStdString(Poprzednia)));
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return QFile::encodeName(dialog->selectedFiles().constFirst()).toStdString();
}

void TPulpitQt::PokazBlad(const std::string& TekstSystemowy) {
  OknoBledu(QString::fromLocal8Bit(TekstSystemowy))->exec();
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

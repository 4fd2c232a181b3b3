#pragma once

#include <QFileDialog>
#include <QUrl>
#include <memory>

#include "window/Pulpit.h"

// The address as the browser gets it: its percent-encoded bytes stay exactly as they are.
QUrl AdresDlaPrzegladarki(const std::string& Adres);

// The file-open dialog, built but not shown, so that its make-up can be checked. Offers
// `Poprzednia` when it is not empty.
std::unique_ptr<QFileDialog> ZbudujDialogOtwarcia(QWidget* Okno, const QString& Poprzednia);

// The desktop as Qt reaches it: Qt's file dialog, message boxes, the default browser through
// QDesktopServices (xdg-open on Linux), and the shared-mime-info database.
class TPulpitQt final : public TPulpit {
 public:
  std::optional<std::string> WybierzPlik(const std::string& Poprzednia) override;
  void PokazBlad(const std::string& TekstSystemowy) override;
  bool PotwierdzOkAnuluj(const std::string& Tekst) override;
  bool ZapytajTakNie(const std::string& Tekst) override;
  void OtworzAdres(const std::string& Adres) override;
  std::string PobierzTypSystemowy(const std::string& Sciezka) override;
  void ZacznijPrace() override;
  void SkonczPrace() override;
};

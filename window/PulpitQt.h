#pragma once

#include <QUrl>

#include "window/Pulpit.h"

// The address as the browser gets it: its percent-encoded bytes stay exactly as they are.
QUrl AdresDlaPrzegladarki(const std::string& Adres);

// The desktop as Qt reaches it: Qt's file dialog, message boxes, the default browser through
// QDesktopServices (xdg-open on Linux), and the shared-mime-info database.
class TPulpitQt final : public TPulpit {
 public:
  std::optional<QString> WybierzPlik(QWidget* Okno, const QString& Poprzednia) override;
  void PokazBlad(const std::string& Tekst) override;
  bool PotwierdzOkAnuluj(const std::string& Tekst) override;
  bool ZapytajTakNie(const std::string& Tekst) override;
  void OtworzAdres(const std::string& Adres) override;
  std::string PobierzTypSystemowy(const std::string& Sciezka) override;
  void ZacznijPrace() override;
  void SkonczPrace() override;
};

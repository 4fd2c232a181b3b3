#include "window/qt/Czcionki.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

constexpr char PlikTahomy[] = "/usr/share/wine/fonts/tahoma.ttf";

}  // namespace

void ZarejestrujTahome() {
  if (QFile::exists(QString::fromLatin1(PlikTahomy))) {
    QFontDatabase::addApplicationFont(QString::fromLatin1(PlikTahomy));
  }
}

QFont Tahoma(int Piksele) {
  QFont czcionka;
  czcionka.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
  czcionka.setStyleHint(QFont::SansSerif);
  czcionka.setPixelSize(Piksele);
  return czcionka;
}

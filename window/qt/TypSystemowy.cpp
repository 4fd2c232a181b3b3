#include "window/qt/TypSystemowy.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>

#include "window/qt/Tekst.h"

std::string PobierzTypSystemowy(const std::string& Sciezka) {
  const QString sciezka = QFile::decodeName(QByteArray::fromStdString(Sciezka));
  // The database names a missing file by its extension alone; the shell would know nothing.
  if (!QFileInfo::exists(sciezka)) return {};
  const QMimeType typ = QMimeDatabase().mimeTypeForFile(sciezka, QMimeDatabase::MatchDefault);
  if (!typ.isValid() || typ.isDefault()) return {};
  // The database picks the comment's language from the default locale when it is asked.
  const QLocale dotychczasowy;
  QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
  const QString opis = typ.comment();
  QLocale::setDefault(dotychczasowy);
  return ZQString(opis);
}

#include "window/TypSystemowy.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include "window/Tekst.h"

namespace {

constexpr std::size_t NajdluzszyTyp = 80;

}  // namespace

std::string PobierzTypSystemowy(const std::string& Sciezka) {
  const QString sciezka = QFile::decodeName(QByteArray::fromStdString(Sciezka));
  // The database names a missing file by its extension alone; the shell would know nothing.
  if (!QFileInfo::exists(sciezka)) return {};
  const QMimeType typ = QMimeDatabase().mimeTypeForFile(sciezka, QMimeDatabase::MatchDefault);
  if (!typ.isValid() || typ.isDefault()) return {};
  std::string nazwa = ZQString(typ.comment());
  if (nazwa.size() > NajdluzszyTyp) nazwa.resize(NajdluzszyTyp);
  return nazwa;
}

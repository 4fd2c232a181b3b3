#include "tests/window/qt/Pomocnicy.h"

#include <QFile>

std::unique_ptr<TForm1> PokazaneOkno(TPulpitTestowy& Pulpit, const TFolderTestowy& Folder) {
  auto okno =
      std::make_unique<TForm1>(Pulpit, TWitryna(AdresTestowy), SrodowiskoBezZnacznika(Folder));
  okno->Uruchom();
  okno->show();
  if (!QTest::qWaitForWindowExposed(okno.get())) qFatal("the window was not shown");
  return okno;
}

QString WQt(const std::string& Sciezka) {
  return QFile::decodeName(QByteArray::fromStdString(Sciezka));
}

bool TahomaZainstalowana() {
  return QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
}

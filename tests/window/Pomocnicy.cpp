#include "tests/window/Pomocnicy.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

TSrodowiskoAktualizacji SrodowiskoBezZnacznika(const QTemporaryDir& Katalog) {
  return {.SciezkaZnacznika = Bajty(Katalog.filePath(QStringLiteral("brak/readme.txt"))),
          .Teraz = [] { return TCzasLokalny{2024, 5, 20, 12, 0, 0}; },
          .Losuj = [] { return 42; }};
}

std::unique_ptr<TForm1> PokazaneOkno(TPulpitTestowy& Pulpit, const QTemporaryDir& Katalog) {
  auto okno =
      std::make_unique<TForm1>(Pulpit, TWitryna(AdresTestowy), SrodowiskoBezZnacznika(Katalog));
  okno->show();
  if (!QTest::qWaitForWindowExposed(okno.get())) qFatal("the window was not shown");
  return okno;
}

QString ZapiszPlik(const QTemporaryDir& Katalog, const QString& Nazwa, const QByteArray& Tresc) {
  const QString sciezka = Katalog.filePath(Nazwa);
  QFile plik(sciezka);
  if (!plik.open(QIODevice::WriteOnly) || plik.write(Tresc) != Tresc.size()) {
    qFatal("cannot write %s", qPrintable(sciezka));
  }
  return sciezka;
}

std::string Bajty(const QString& Sciezka) {
  return QFile::encodeName(Sciezka).toStdString();
}

void SprawdzBezWyniku(const TForm1& Okno) {
  QVERIFY(Okno.TypEdit->text().isEmpty());
  QVERIFY(Okno.KategoriaEdit->text().isEmpty());
  QVERIFY(Okno.ProgramyMemo->toPlainText().isEmpty());
  QVERIFY(Okno.ScrollBar1->isHidden());
  QVERIFY(Okno.InfoLabel->isHidden());
  QVERIFY(Okno.Pasek->isVisible());
}

// `rozpoznik FILE` as the program's main block runs it: the application takes Qt's own options
// out of the command line, and the window identifies the file that is left once it shows.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "tests/window/qt/Pomocnicy.h"
#include "window/qt/PulpitQt.h"
#include "window/qt/Tekst.h"

namespace {

const std::string Png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

}  // namespace

class WierszPolecenTest : public QObject {
  Q_OBJECT

 public:
  WierszPolecenTest(TPulpitTestowy& Pulpit, const TFolderTestowy& Folder,
                    std::vector<std::string> Wiersz)
      : pulpit_(Pulpit), folder_(Folder), wiersz_(std::move(Wiersz)) {}

 private slots:
  void init() { pulpit_.Wyczysc(); }

  // The name has Polish and Chinese letters, a space and a leading "-", so it travels after
  // "--"; Qt's -platform before it is Qt's.
  void plikZWierszaPokazujeWynik() {
    QCOMPARE(wiersz_.size(), 3u);
    QCOMPARE(wiersz_[1], std::string("--"));
    const auto okno = PokazaneOkno(pulpit_, folder_);
    okno->RozpoznajZWierszaPolecen(wiersz_);
    QCOMPARE(okno->Edit1->text(), WQt(wiersz_[2]));
    QVERIFY(okno->Edit1->text().contains(QStringLiteral("zażółć 中文")));
    QVERIFY(!okno->TypEdit->text().isEmpty());
    QCOMPARE(okno->TypEdit->text(), NaQString(std::string(okno->ListaTypow[0])));
    QVERIFY(pulpit_.Bledy.empty());
  }

  // The program's own error box, over the window, names the file; the window stays empty and
  // usable.
  void brakujacyPlikWOknieBledu() {
    TPulpitQt pulpit;
    TForm1 okno(pulpit, TWitryna(AdresTestowy), SrodowiskoBezZnacznika(folder_));
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    const std::string brak = folder_.Sciezka("brak 中文.png");
    QString tekst;
    QTimer zamykanie;
    QObject::connect(&zamykanie, &QTimer::timeout, [&] {
      if (auto* pudelko = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        tekst = pudelko->text();
        pudelko->accept();
      }
    });
    zamykanie.start(50);
    okno.RozpoznajZWierszaPolecen({"rozpoznik", brak, "inny.png"});
    zamykanie.stop();
    QVERIFY2(tekst.contains(WQt(brak)), qPrintable(tekst));
    QCOMPARE(okno.Edit1->text(), WQt(brak));
    QVERIFY(okno.TypEdit->text().isEmpty());
    QVERIFY(okno.Pasek->isVisible());
  }

 private:
  TPulpitTestowy& pulpit_;
  const TFolderTestowy& folder_;
  const std::vector<std::string> wiersz_;
};

// The program's command line is made here, around a file the test writes first; QTest gets the
// test's own.
int main(int argc, char** argv) {
  TFolderTestowy folder;
  std::vector<std::string> slowa = {argv[0], "-platform", "offscreen", "--",
                                    folder.Zapisz("-zażółć 中文 obraz.png", Png)};
  std::vector<char*> wiersz;
  for (std::string& slowo : slowa) wiersz.push_back(slowo.data());
  wiersz.push_back(nullptr);
  int ile = static_cast<int>(slowa.size());
  TPulpitTestowy pulpit;
  TAplikacja aplikacja(ile, wiersz.data(), pulpit);
  WierszPolecenTest test(pulpit, folder, {wiersz.data(), wiersz.data() + ile});
  return QTest::qExec(&test, argc, argv);
}

#include "WierszPolecenTest.moc"

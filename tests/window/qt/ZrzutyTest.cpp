// Screenshots of the window for a person to look at: idle, with an ambiguous result, and with
// the About panel shown. They are saved under the build folder.

#include <QDir>

#include "tests/window/qt/Pomocnicy.h"

class ZrzutyTest : public QObject {
  Q_OBJECT

 public:
  explicit ZrzutyTest(TPulpitTestowy& Pulpit) : pulpit_(Pulpit) {}

 private slots:
  void initTestCase() { QVERIFY(QDir().mkpath(QStringLiteral(ROZPOZNIK_KATALOG_ZRZUTOW))); }

  void init() {
    pulpit_.Wyczysc();
    okno_ = PokazaneOkno(pulpit_, folder_);
  }
  void cleanup() { okno_.reset(); }

  void bezczynne() { Zapisz(QStringLiteral("bezczynne.png")); }

  void niejednoznaczne() {
    pulpit_.WyboryPlikow.push_back(folder_.Zapisz("rysunek.qqq", "%!PS-Adobe-3.0 EPSF-3.0\n"));
    okno_->SpeedButton1Click();
    QVERIFY(okno_->InfoLabel->isVisible());
    Zapisz(QStringLiteral("niejednoznaczne.png"));
  }

  void informacje() {
    okno_->Image2Click();
    QVERIFY(okno_->InfoMemo->isVisible());
    Zapisz(QStringLiteral("informacje.png"));
  }

 private:
  void Zapisz(const QString& Nazwa) {
    const QString sciezka = QDir(QStringLiteral(ROZPOZNIK_KATALOG_ZRZUTOW)).filePath(Nazwa);
    const QImage obraz = okno_->grab().toImage();
    QCOMPARE(obraz.size(), QSize(415, 393));
    QVERIFY2(obraz.save(sciezka), qPrintable(sciezka));
  }

  TPulpitTestowy& pulpit_;
  TFolderTestowy folder_;
  std::unique_ptr<TForm1> okno_;
};

ROZPOZNIK_TEST_OKNA(ZrzutyTest)
#include "ZrzutyTest.moc"

// The About panel behind the question mark and the site link at the bottom of the window.

#include <QPlainTextEdit>
#include <QTextDocument>

#include "tests/window/Pomocnicy.h"

class TestInformacji : public QObject {
  Q_OBJECT

 public:
  explicit TestInformacji(TPulpitTestowy& Pulpit) : pulpit_(Pulpit) {}

 private slots:
  void init() {
    pulpit_.Wyczysc();
    okno_ = PokazaneOkno(pulpit_, katalog_);
  }
  void cleanup() { okno_.reset(); }

  void dwaKliknieciaPokazujaIChowajaPanel() {
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    QVERIFY(okno_->InfoMemo->isVisible());
    QCOMPARE(okno_->InfoMemo->geometry(), QRect(8, 64, 401, 289));
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    QVERIFY(okno_->InfoMemo->isHidden());
    QCOMPARE(okno_->InfoMemo->pos(), QPoint(8, 64));
  }

  void klikniecieWPanelChowaGo() {
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    QTest::mouseClick(okno_->InfoMemo->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(okno_->InfoMemo->isHidden());
    okno_->InfoMemo->move(280, 248);
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    QVERIFY(okno_->InfoMemo->isVisible());
    QCOMPARE(okno_->InfoMemo->pos(), QPoint(8, 64));
  }

  // A press on the text that ends outside the panel, as when selecting, is no click.
  void puszczenieMyszyPozaPanelemGoNieChowa() {
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    QWidget* tekst = okno_->InfoMemo->viewport();
    QTest::mousePress(tekst, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(tekst, Qt::LeftButton, {}, QPoint(100, tekst->height() + 20));
    QVERIFY(okno_->InfoMemo->isVisible());
  }

  void panelTylkoDoOdczytu() {
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    const QString przed = okno_->InfoMemo->toPlainText();
    okno_->InfoMemo->setFocus();
    QTest::keyClicks(okno_->InfoMemo, QStringLiteral("abc"));
    QTest::keyClick(okno_->InfoMemo, Qt::Key_Backspace);
    QTest::keyClick(okno_->InfoMemo, Qt::Key_Delete);
    QTest::keyClick(okno_->InfoMemo, Qt::Key_Return);
    QCOMPARE(okno_->InfoMemo->toPlainText(), przed);
    QVERIFY(okno_->InfoMemo->isVisible());
  }

  void wygladPanelu() {
    const TMemo* memo = okno_->InfoMemo;
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->frameShape(), QFrame::NoFrame);
    QCOMPARE(memo->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(memo->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(memo->font().pixelSize(), 13);
  }

  void wierszeTekstuInformacji() {
    const QStringList wiersze = okno_->InfoMemo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(wiersze.size(), 17);
    const auto wciecie = [](const QString& wiersz) {
      qsizetype n = 0;
      while (n < wiersz.size() && wiersz[n] == QLatin1Char(' ')) ++n;
      return n;
    };
    for (const int pusty : {0, 5, 8}) QVERIFY(wiersze[pusty].isEmpty());
    QCOMPARE(wiersze[1], QString(31, QLatin1Char(' ')) + QStringLiteral("Rozpoznik wersja 1.4"));
    QCOMPARE(wiersze[2], QStringLiteral("  ") + QString(74, QLatin1Char('-')));
    QCOMPARE(wciecie(wiersze[4]), 28);
    QCOMPARE(wciecie(wiersze[6]), 16);
    QCOMPARE(wciecie(wiersze[7]), 16);
    QVERIFY(wiersze[6].endsWith(QLatin1Char(' ')) && !wiersze[6].endsWith(QStringLiteral("  ")));
    QVERIFY(wiersze[6].contains(QStringLiteral("Zespół Rozpoznika (rozpoznik)")));
    QVERIFY(wiersze[7].contains(QStringLiteral("GPL")));
    QCOMPARE(wiersze[9], QString(16, QLatin1Char(' ')) + QStringLiteral("LICENCJA"));
    for (int i = 10; i <= 15; ++i) QVERIFY(!wiersze[i].trimmed().isEmpty());
    QCOMPARE(wciecie(wiersze[16]), 21);
    QVERIFY(!wiersze[3].trimmed().isEmpty());
  }

  // A line that wrapped would break the layout that the leading spaces make.
  void wierszeMieszczaSieWPanelu() {
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) {
      QSKIP("the widths are Tahoma's");
    }
    const TMemo* memo = okno_->InfoMemo;
    const qreal miejsce = memo->width() - 2 * memo->document()->documentMargin();
    for (const QString& wiersz : memo->toPlainText().split(QLatin1Char('\n'))) {
      QVERIFY2(memo->fontMetrics().horizontalAdvance(wiersz) <= miejsce, qPrintable(wiersz));
    }
  }

  void odnosnikCzerwonyPodMysza() {
    QCOMPARE(Kolor(), QColor(Qt::white));
    QTest::mouseMove(okno_->Label6, QPoint(10, 5));
    QCOMPARE(Kolor(), QColor(Qt::red));
    QTest::mouseMove(okno_.get(), QPoint(200, 200));
    QCOMPARE(Kolor(), QColor(Qt::white));
  }

  void poKliknieciuOdnosnikZostajeCzerwony() {
    QTest::mouseMove(okno_->Label6, QPoint(10, 5));
    QTest::mouseClick(okno_->Label6, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(Kolor(), QColor(Qt::red));
    QTest::mouseMove(okno_->Label6, QPoint(30, 6));
    QCOMPARE(Kolor(), QColor(Qt::red));
    QTest::mouseMove(okno_.get(), QPoint(200, 200));
    QCOMPARE(Kolor(), QColor(Qt::white));
  }

  void klikniecieOtwieraAdresBazowy() {
    QTest::mouseClick(okno_->Label6, Qt::LeftButton);
    QCOMPARE(pulpit_.Adresy, std::vector<std::string>{"http://rozpoznik.test/"});
  }

 private:
  QColor Kolor() const { return okno_->Label6->palette().color(QPalette::WindowText); }

  TPulpitTestowy& pulpit_;
  QTemporaryDir katalog_;
  std::unique_ptr<TForm1> okno_;
};

ROZPOZNIK_TEST_OKNA(TestInformacji)
#include "TestInformacji.moc"

// The Qt view between the user and the window's behaviour: events from the widgets reach the
// handlers, and the widgets show the state that the handlers leave.

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QUrl>

#include "tests/window/qt/Pomocnicy.h"
#include "window/qt/Tekst.h"

namespace {

const QString Niejednoznacznosc =
    QStringLiteral("Brak jednoznaczności. Przewiń by zobaczyć alternatywy.");

}  // namespace

class WidokTest : public QObject {
  Q_OBJECT

 public:
  explicit WidokTest(TPulpitTestowy& Pulpit) : pulpit_(Pulpit) {}

 private slots:
  void init() {
    pulpit_.Wyczysc();
    okno_ = PokazaneOkno(pulpit_, folder_);
  }
  void cleanup() { okno_.reset(); }

  void przyciskIPasekPrzewijania() {
    const std::string trzy = folder_.Zapisz("rysunek.qqq", "%!PS-Adobe-3.0 EPSF-3.0\n");
    pulpit_.WyboryPlikow.push_back(trzy);
    QTest::mouseClick(okno_->SpeedButton1, Qt::LeftButton);
    QCOMPARE(okno_->Edit1->text(), WQt(trzy));
    QCOMPARE(okno_->TypEdit->text(), NaQString(okno_->ListaTypow[0]));
    QCOMPARE(okno_->ScrollBar1->maximum(), 2);
    QVERIFY(okno_->ScrollBar1->isVisible());
    QVERIFY(okno_->Pasek->isHidden());
    QVERIFY(okno_->InfoLabel->isVisible());
    QCOMPARE(okno_->InfoLabel->text(), Niejednoznacznosc);

    okno_->ScrollBar1->setFocus();
    QTest::keyClick(okno_->ScrollBar1, Qt::Key_Down);
    QCOMPARE(okno_->ScrollBar1->value(), 1);
    QCOMPARE(okno_->TypEdit->text(), NaQString(okno_->ListaTypow[1]));
    QCOMPARE(okno_->KategoriaEdit->text(), NaQString(okno_->ListaKategorii[1]));
    QCOMPARE(okno_->Edit1->text(), WQt(trzy));
  }

  // Centred on the outer width, frame included, so right of the client area's centre by the
  // width of one side of the frame.
  void polozenieUwagi() {
    pulpit_.WyboryPlikow.push_back(folder_.Zapisz("rysunek.qqq", "%!PS-Adobe-3.0 EPSF-3.0\n"));
    okno_->SpeedButton1Click();
    const int ramka = okno_->frameGeometry().width() - okno_->width();
    QVERIFY2(ramka > 0, "the platform draws no frame, so outer and client width are one");
    const int szerokosc = okno_->InfoLabel->width();
    QCOMPARE(szerokosc, okno_->InfoLabel->sizeHint().width());
    QCOMPARE(okno_->InfoLabel->x(), (415 + ramka - szerokosc) / 2);
    QCOMPARE(okno_->InfoLabel->y(), 101);
    QCOMPARE(okno_->InfoLabel->height(), 18);
  }

  void kazdyWierszProgramowOsobno() {
    pulpit_.WyboryPlikow.push_back(
        folder_.Zapisz("dzwiek.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16)));
    okno_->SpeedButton1Click();
    QCOMPARE(okno_->ProgramyMemo->document()->blockCount(), 3);
  }

  // A long path shows its end, the file's own name; the whole of it comes as a tooltip.
  void dlugaSciezkaPokazujeKoniec() {
    const std::string sciezka =
        folder_.Zapisz(std::string(3, 'k') + "/" + std::string(60, 'a') + "/obraz.png",
                       std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    pulpit_.WyboryPlikow.push_back(sciezka);
    okno_->SpeedButton1Click();
    QCOMPARE(okno_->Edit1->text(), WQt(sciezka));
    QCOMPARE(okno_->Edit1->cursorPosition(), okno_->Edit1->text().size());
    QCOMPARE(okno_->Edit1->toolTip(), WQt(sciezka));
    QVERIFY(okno_->TypEdit->toolTip().isEmpty());

    const std::string krotka = folder_.Zapisz("a.png", std::string("\x89PNG\r\n\x1a\n", 8));
    pulpit_.WyboryPlikow.push_back(krotka);
    okno_->SpeedButton1Click();
    QVERIFY(okno_->Edit1->toolTip().isEmpty());
  }

  void upuszczonyPlik() {
    const std::string trzy = folder_.Zapisz("rysunek.qqq", "%!PS-Adobe-3.0 EPSF-3.0\n");
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(WQt(trzy))});
    QVERIFY(Upusc(dane));
    QTRY_COMPARE(okno_->Edit1->text(), WQt(trzy));
    QVERIFY(okno_->InfoLabel->isVisible());
    QCOMPARE(pulpit_.Prace, 1);
  }

  void tylkoJedenLokalnyPlikDoUpuszczenia() {
    QMimeData dwa;
    dwa.setUrls(
        {QUrl::fromLocalFile(QStringLiteral("/a")), QUrl::fromLocalFile(QStringLiteral("/b"))});
    QVERIFY(!Upusc(dwa));
    QMimeData zdalny;
    zdalny.setUrls({QUrl(QStringLiteral("http://rozpoznik.test/plik"))});
    QVERIFY(!Upusc(zdalny));
  }

  // The error box comes from inside the button's click; nothing may unwind through Qt's code,
  // which would cut the handling of the click short.
  void plikNieczytelnyWOknieBledu() {
    const std::string brak = folder_.Sciezka("brak.png");
    pulpit_.WyboryPlikow.push_back(brak);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("not accepted")));
    QTest::mouseClick(okno_->SpeedButton1, Qt::LeftButton);
    QCOMPARE(pulpit_.Bledy.size(), 1u);
    QCOMPARE(okno_->Edit1->text(), WQt(brak));
    QVERIFY(okno_->TypEdit->text().isEmpty());
    QVERIFY(okno_->ScrollBar1->isHidden());
    QVERIFY(okno_->Pasek->isVisible());
  }

  void panelInformacji() {
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    QVERIFY(okno_->InfoMemo->isVisible());
    QCOMPARE(okno_->InfoMemo->geometry(), QRect(8, 64, 401, 289));
    QTest::mouseClick(okno_->InfoMemo->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(okno_->InfoMemo->isHidden());
    QTest::mouseClick(okno_->Image2, Qt::LeftButton);
    QVERIFY(okno_->InfoMemo->isVisible());
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
    QTest::keyClick(okno_->InfoMemo, Qt::Key_Return);
    QCOMPARE(okno_->InfoMemo->toPlainText(), przed);
    QVERIFY(okno_->InfoMemo->isVisible());
    QCOMPARE(okno_->InfoMemo->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(okno_->InfoMemo->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(okno_->InfoMemo->frameShape(), QFrame::NoFrame);
  }

  // A line that wrapped would break the layout that the leading spaces make.
  void wierszeInformacjiMieszczaSie() {
    if (!TahomaZainstalowana()) QSKIP("the widths are Tahoma's");
    const TMemo* memo = okno_->InfoMemo;
    const qreal miejsce = memo->width() - 2 * memo->document()->documentMargin();
    for (const QString& wiersz : memo->toPlainText().split(QLatin1Char('\n'))) {
      QVERIFY2(memo->fontMetrics().horizontalAdvance(wiersz) <= miejsce, qPrintable(wiersz));
    }
  }

  void odnosnikPodMyszaIKlikniecie() {
    QCOMPARE(KolorOdnosnika(), QColor(Qt::white));
    QTest::mouseMove(okno_->Label6, QPoint(10, 5));
    QCOMPARE(KolorOdnosnika(), QColor(Qt::red));
    QTest::mouseClick(okno_->Label6, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(pulpit_.Adresy, std::vector<std::string>{"http://rozpoznik.test/"});
    QCOMPARE(KolorOdnosnika(), QColor(Qt::red));
    QTest::mouseMove(okno_.get(), QPoint(200, 200));
    QCOMPARE(KolorOdnosnika(), QColor(Qt::white));
  }

 private:
  QColor KolorOdnosnika() const { return okno_->Label6->palette().color(QPalette::WindowText); }

  // Drags the data over the window and drops it; true when the window took the drop.
  bool Upusc(const QMimeData& Dane) {
    const QPoint punkt(200, 200);
    QDragEnterEvent wejscie(punkt, Qt::CopyAction, &Dane, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(okno_.get(), &wejscie);
    if (!wejscie.isAccepted()) return false;
    QDropEvent upuszczenie(QPointF(punkt), Qt::CopyAction, &Dane, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(okno_.get(), &upuszczenie);
    return upuszczenie.isAccepted();
  }

  TPulpitTestowy& pulpit_;
  TFolderTestowy folder_;
  std::unique_ptr<TForm1> okno_;
};

ROZPOZNIK_TEST_OKNA(WidokTest)
#include "WidokTest.moc"

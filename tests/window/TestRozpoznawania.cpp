// The identify command through the real SpeedButton1Click, with scripted answers of the dialog
// and real files on disk, in each state of the window; and a file dropped on the window.

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QUrl>
#include <cerrno>
#include <cstring>

#include "engine/Klucz.h"
#include "tests/window/Pomocnicy.h"
#include "window/Tekst.h"

namespace {

struct TListyKandydatow {
  TListaTekstow Typy, Rozszerzenia, Kategorie, Programy;
};

// What the engine finds for a file: the window must show exactly that.
TListyKandydatow KandydaciSilnika(const QString& Sciezka) {
  const std::string sciezka = Bajty(Sciezka);
  TListyKandydatow k;
  RozpoznajPlik(ZbudujKlucz(sciezka).Klucz, sciezka, k.Typy, k.Rozszerzenia, k.Kategorie,
                k.Programy);
  return k;
}

const QString Niejednoznacznosc =
    QStringLiteral("Brak jednoznaczności. Przewiń by zobaczyć alternatywy.");

}  // namespace

class TestRozpoznawania : public QObject {
  Q_OBJECT

 public:
  explicit TestRozpoznawania(TPulpitTestowy& Pulpit) : pulpit_(Pulpit) {}

 private slots:
  void initTestCase() {
    QVERIFY(katalog_.isValid());
    png_ = ZapiszPlik(katalog_, QStringLiteral("obraz.png"),
                      QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    // Three candidates: PostScript, Encapsulated PostScript and Illustrator.
    trzy_ = ZapiszPlik(katalog_, QStringLiteral("rysunek.qqq"), "%!PS-Adobe-3.0 EPSF-3.0\n");
    // Six candidates: every RIFF format of the catalogue.
    szesc_ =
        ZapiszPlik(katalog_, QStringLiteral("riff.qqq"), QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16));
    wav_ = ZapiszPlik(katalog_, QStringLiteral("dzwiek.wav"),
                      QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16));
    nieznany_ = ZapiszPlik(katalog_, QStringLiteral("dane.xyz"), QByteArray("\x01\x02\x03\x04", 4));
    QCOMPARE(KandydaciSilnika(png_).Typy.size(), 1u);
    QCOMPARE(KandydaciSilnika(trzy_).Typy.size(), 3u);
    QCOMPARE(KandydaciSilnika(szesc_).Typy.size(), 6u);
    QVERIFY(KandydaciSilnika(nieznany_).Typy.empty());
  }

  void init() {
    pulpit_.Wyczysc();
    okno_ = PokazaneOkno(pulpit_, katalog_);
  }
  void cleanup() { okno_.reset(); }

  void anulowanieNaPoczatkuNicNieZmienia() {
    const QImage przed = okno_->grab().toImage();
    Wybierz(QString());
    QCOMPARE(pulpit_.OferowaneSciezki, QStringList{QString()});
    QCOMPARE(okno_->grab().toImage(), przed);
    QCOMPARE(pulpit_.Prace, 0);
  }

  void jedenKandydat() {
    Wybierz(png_);
    QCOMPARE(okno_->Edit1->text(), png_);
    PokazujeKandydata(png_, 0);
    QVERIFY(okno_->ScrollBar1->isHidden());
    QVERIFY(okno_->InfoLabel->isHidden());
    QVERIFY(okno_->Pasek->isVisible());
    QVERIFY(pulpit_.Potwierdzenia.empty());
    QCOMPARE(pulpit_.Prace, 1);
    QCOMPARE(pulpit_.TrwajacePrace, 0);
  }

  void dialogOferujePoprzedniaSciezke() {
    Wybierz(png_);
    Wybierz(QString());
    Wybierz(trzy_);
    QCOMPARE(pulpit_.OferowaneSciezki, (QStringList{QString(), png_, png_}));
    QCOMPARE(okno_->OpenDialog1->FileName, trzy_);
  }

  void trzyKandydaciIJedenKrokPaska() {
    Wybierz(trzy_);
    QCOMPARE(okno_->ScrollBar1->minimum(), 0);
    QCOMPARE(okno_->ScrollBar1->maximum(), 2);
    QCOMPARE(okno_->ScrollBar1->value(), 0);
    PokazujeKandydata(trzy_, 0);
    QVERIFY(okno_->ScrollBar1->isVisible());
    QVERIFY(okno_->Pasek->isHidden());
    QVERIFY(okno_->InfoLabel->isVisible());
    QCOMPARE(okno_->InfoLabel->text(), Niejednoznacznosc);

    okno_->ScrollBar1->setFocus();
    QTest::keyClick(okno_->ScrollBar1, Qt::Key_Down);
    QCOMPARE(okno_->ScrollBar1->value(), 1);
    PokazujeKandydata(trzy_, 1);
    QCOMPARE(okno_->Edit1->text(), trzy_);
    QVERIFY(okno_->InfoLabel->isVisible());
    QCOMPARE(okno_->ScrollBar1->maximum(), 2);
  }

  // Centred on the outer width, frame included, so right of the client area's centre by the
  // width of one side of the frame.
  void polozenieUwagi() {
    Wybierz(trzy_);
    const int ramka = okno_->frameGeometry().width() - okno_->width();
    QVERIFY2(ramka > 0, "the platform draws no frame, so outer and client width are one");
    const int szerokosc = okno_->InfoLabel->width();
    QCOMPARE(szerokosc, okno_->InfoLabel->sizeHint().width());
    QCOMPARE(okno_->InfoLabel->x(), (415 + ramka - szerokosc) / 2);
    QCOMPARE(okno_->InfoLabel->y(), 101);
    QCOMPARE(okno_->InfoLabel->height(), 18);
  }

  void anulowaniePoNiejednoznacznymZostawiaWynik() {
    Wybierz(trzy_);
    okno_->ScrollBar1->setValue(2);
    const QImage przed = okno_->grab().toImage();
    Wybierz(QString());
    QCOMPARE(okno_->grab().toImage(), przed);
    QCOMPARE(okno_->ScrollBar1->value(), 2);
    PokazujeKandydata(trzy_, 2);
    QVERIFY(okno_->InfoLabel->isVisible());
  }

  void jedenKandydatPoKilku() {
    Wybierz(trzy_);
    Wybierz(png_);
    PokazujeKandydata(png_, 0);
    QVERIFY(okno_->ScrollBar1->isHidden());
    QVERIFY(okno_->InfoLabel->isHidden());
    QVERIFY(okno_->Pasek->isVisible());
  }

  void pozycjaZPoprzedniegoPlikuWracaDoZera() {
    Wybierz(szesc_);
    okno_->ScrollBar1->setValue(5);
    PokazujeKandydata(szesc_, 5);
    Wybierz(trzy_);
    QCOMPARE(okno_->ScrollBar1->maximum(), 2);
    QCOMPARE(okno_->ScrollBar1->value(), 0);
    PokazujeKandydata(trzy_, 0);
  }

  void tenSamPlikDwaRazy() {
    Wybierz(szesc_);
    okno_->ScrollBar1->setValue(3);
    const TListaTekstow typyPierwszy = *okno_->ListaTypow;
    Wybierz(szesc_);
    QCOMPARE(*okno_->ListaTypow, typyPierwszy);
    QCOMPARE(okno_->ScrollBar1->value(), 0);
    PokazujeKandydata(szesc_, 0);
  }

  void kazdyPowrotKaretkiZaczynaWiersz() {
    Wybierz(wav_);
    QCOMPARE(okno_->ProgramyMemo->toPlainText().split(QLatin1Char('\n')),
             (QStringList{QStringLiteral("WinAMP"), QStringLiteral("Media Player Classic"),
                          QStringLiteral("Audacity")}));
    QCOMPARE(okno_->ProgramyMemo->document()->blockCount(), 3);
  }

  void brakKandydataPrzekazujeDoZgloszenia() {
    Wybierz(trzy_);
    Wybierz(nieznany_);
    QCOMPARE(okno_->Edit1->text(), nieznany_);
    SprawdzBezWyniku(*okno_);
    QCOMPARE(pulpit_.Potwierdzenia.size(), 1u);
    QCOMPARE(pulpit_.SciezkiTypow, std::vector<std::string>{Bajty(nieznany_)});
  }

  // The file goes between the key and the text test; the error box reports it, the window
  // stays as the command's first steps left it, and the next choice works as usual.
  void plikZnikaPrzedTestemTekstu() {
    Wybierz(trzy_);
    const QString znikajacy = ZapiszPlik(katalog_, QStringLiteral("znika.qqq"), "tekst\n");
    pulpit_.PrzyPracy = [&] { QFile::remove(znikajacy); };
    pulpit_.WyboryPlikow.push_back(znikajacy);
    // An error unwinding through the button's own code would cut its handling of the click
    // short, and QTest would see the click not accepted.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("not accepted")));
    QTest::mouseClick(okno_->SpeedButton1, Qt::LeftButton);

    const std::string oczekiwany =
        "Cannot open file \"" + Bajty(znikajacy) + "\". " + std::strerror(ENOENT);
    QCOMPARE(pulpit_.Bledy, std::vector<std::string>{oczekiwany});
    QCOMPARE(okno_->Edit1->text(), znikajacy);
    SprawdzBezWyniku(*okno_);
    QVERIFY(pulpit_.Potwierdzenia.empty());
    QCOMPARE(pulpit_.TrwajacePrace, 0);

    pulpit_.PrzyPracy = nullptr;
    pulpit_.WyboryPlikow.push_back(png_);
    QTest::mouseClick(okno_->SpeedButton1, Qt::LeftButton);
    PokazujeKandydata(png_, 0);
    QCOMPARE(pulpit_.Bledy.size(), 1u);
  }

  void upuszczonyPlikJakWybranyWDialogu() {
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(trzy_)});
    QVERIFY(Upusc(dane));
    QTRY_COMPARE(okno_->Edit1->text(), trzy_);
    PokazujeKandydata(trzy_, 0);
    QVERIFY(okno_->InfoLabel->isVisible());
    QCOMPARE(pulpit_.Prace, 1);

    Wybierz(QString());
    QCOMPARE(pulpit_.OferowaneSciezki.back(), trzy_);
  }

  void bladPoUpuszczeniuWOknieBledu() {
    const QString znikajacy = ZapiszPlik(katalog_, QStringLiteral("znika.qqq"), "tekst\n");
    pulpit_.PrzyPracy = [&] { QFile::remove(znikajacy); };
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(znikajacy)});
    QVERIFY(Upusc(dane));
    QTRY_COMPARE(pulpit_.Bledy.size(), 1u);
    QCOMPARE(okno_->Edit1->text(), znikajacy);
    SprawdzBezWyniku(*okno_);
    QVERIFY(pulpit_.Potwierdzenia.empty());
  }

  void upuszczaSieTylkoJedenPlik() {
    QMimeData dwa;
    dwa.setUrls({QUrl::fromLocalFile(png_), QUrl::fromLocalFile(trzy_)});
    QVERIFY(!Upusc(dwa));
    QMimeData adres;
    adres.setUrls({QUrl(QStringLiteral("http://rozpoznik.test/plik.png"))});
    QVERIFY(!Upusc(adres));
    QMimeData tekst;
    tekst.setText(png_);
    QVERIFY(!Upusc(tekst));
    QTest::qWait(20);
    QVERIFY(okno_->Edit1->text().isEmpty());
    QCOMPARE(pulpit_.Prace, 0);
  }

 private:
  void Wybierz(const QString& Sciezka) {
    pulpit_.WyboryPlikow.push_back(Sciezka);
    okno_->SpeedButton1Click();
  }

  // Drags the data over the window and drops it; whether the window took it.
  bool Upusc(const QMimeData& Dane) {
    const QPoint punkt(200, 250);
    QDragEnterEvent wejscie(punkt, Qt::CopyAction, &Dane, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(okno_.get(), &wejscie);
    if (!wejscie.isAccepted()) return false;
    QDropEvent upuszczenie(QPointF(punkt), Qt::CopyAction, &Dane, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(okno_.get(), &upuszczenie);
    return upuszczenie.isAccepted();
  }

  void PokazujeKandydata(const QString& Plik, std::size_t Numer) {
    const TListyKandydatow k = KandydaciSilnika(Plik);
    QVERIFY(Numer < k.Typy.size());
    QCOMPARE(okno_->TypEdit->text(), NaQString(k.Typy[Numer]));
    QCOMPARE(okno_->KategoriaEdit->text(), NaQString(k.Kategorie[Numer]));
    QCOMPARE(okno_->ProgramyMemo->toPlainText(), TekstWierszami(k.Programy[Numer]));
    QCOMPARE(*okno_->ListaTypow, k.Typy);
    QCOMPARE(*okno_->ListaRozszerzen, k.Rozszerzenia);
  }

  TPulpitTestowy& pulpit_;
  QTemporaryDir katalog_;
  std::unique_ptr<TForm1> okno_;
  QString png_, trzy_, szesc_, wav_, nieznany_;
};

ROZPOZNIK_TEST_OKNA(TestRozpoznawania)
#include "TestRozpoznawania.moc"

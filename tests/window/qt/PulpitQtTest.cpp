// The real desktop: the shared-mime-info type names, the message boxes and the file dialog as
// the program builds them.

#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include "tests/window/qt/Pomocnicy.h"
#include "text/Cp1250.h"
#include "window/qt/OknaKomunikatow.h"
#include "window/qt/PulpitQt.h"
#include "window/qt/Tekst.h"
#include "window/qt/TypSystemowy.h"

class PulpitQtTest : public QObject {
  Q_OBJECT

 public:
  explicit PulpitQtTest(TPulpitTestowy&) {}

 private slots:
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  // The report around it is Polish, so the name is Polish whatever the locale, and the locale
  // is left as it was.
  void typSystemowyPoPolsku() {
    const std::string png =
        folder_.Zapisz("obraz.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const std::string tekst = folder_.Zapisz("notatka.txt", "Zwykły tekst.\n");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(PobierzTypSystemowy(png), cp1250::ZUtf8("Obraz PNG"));
    QCOMPARE(PobierzTypSystemowy(tekst), cp1250::ZUtf8("Zwykły dokument tekstowy"));
    QCOMPARE(QLocale().language(), QLocale::English);
  }

  // The content decides, not only the name.
  void typSystemowyZZawartosci() {
    const std::string png =
        folder_.Zapisz("bez_rozszerzenia", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    QCOMPARE(PobierzTypSystemowy(png), cp1250::ZUtf8("Obraz PNG"));
  }

  void typSystemowyPustyGdyNicNieWiadomo() {
    QCOMPARE(PobierzTypSystemowy(folder_.Sciezka("brak.png")), std::string());
    const std::string nieznany = folder_.Zapisz("dane", std::string("\x01\x02\x03\xFE\x00\x9C", 6));
    QCOMPARE(PobierzTypSystemowy(nieznany), std::string());
  }

  void oknoBledu() {
    const auto okno = OknoBledu(QStringLiteral("Cannot open file \"a<b>.txt\"."));
    QCOMPARE(okno->windowTitle(), QStringLiteral("Rozpoznik"));
    QCOMPARE(okno->icon(), QMessageBox::Critical);
    QCOMPARE(okno->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(okno->textFormat(), Qt::PlainText);
    QCOMPARE(okno->text(), QStringLiteral("Cannot open file \"a<b>.txt\"."));
  }

  void oknoOkAnuluj() {
    const auto okno = OknoOkAnuluj(TekstWierszami("jeden\rdwa"));
    QCOMPARE(okno->windowTitle(), QStringLiteral("Confirm"));
    QCOMPARE(okno->icon(), QMessageBox::Question);
    QCOMPARE(okno->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    // Qt's own texts in Polish, as the rest of the interface.
    QCOMPARE(okno->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    QCOMPARE(okno->button(QMessageBox::Cancel)->text(), QStringLiteral("Anuluj"));
    QCOMPARE(okno->standardButton(okno->defaultButton()), QMessageBox::Ok);
    QCOMPARE(okno->text(), QStringLiteral("jeden\ndwa"));
    QCOMPARE(Odpowiedz(*okno, [&] { QTest::keyClick(okno.get(), Qt::Key_Escape); }),
             QMessageBox::Cancel);
    QCOMPARE(Odpowiedz(*okno, [&] { okno->close(); }), QMessageBox::Cancel);
    QCOMPARE(Odpowiedz(*okno, [&] { QTest::keyClick(okno.get(), Qt::Key_Return); }),
             QMessageBox::Ok);
  }

  void oknoTakNie() {
    const auto okno = OknoTakNie(QStringLiteral("Czy chcesz?"));
    QCOMPARE(okno->windowTitle(), QStringLiteral("Confirm"));
    QCOMPARE(okno->icon(), QMessageBox::Question);
    QCOMPARE(okno->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(okno->button(QMessageBox::Yes)->text(), QStringLiteral("&Tak"));
    QCOMPARE(okno->button(QMessageBox::No)->text(), QStringLiteral("&Nie"));
    QCOMPARE(Odpowiedz(*okno, [&] { QTest::keyClick(okno.get(), Qt::Key_Escape); }),
             QMessageBox::No);
    QCOMPARE(Odpowiedz(*okno, [&] { okno->close(); }), QMessageBox::No);
    QCOMPARE(Odpowiedz(*okno, [&] { QTest::keyClick(okno.get(), Qt::Key_Return); }),
             QMessageBox::Yes);
  }

  void oknaNaSrodkuEkranu() {
    // A window away from the screen's centre: a box placed over it instead would show.
    QWidget glowne;
    glowne.setGeometry(20, 30, 415, 393);
    glowne.show();
    for (const auto& okno : {OknoBledu(QStringLiteral("a")), OknoOkAnuluj(QStringLiteral("b")),
                             OknoTakNie(QStringLiteral("c"))}) {
      okno->open();
      QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
      const QPoint odSrodka =
          okno->frameGeometry().center() - okno->screen()->availableGeometry().center();
      QVERIFY2(odSrodka.manhattanLength() <= 2, qPrintable(okno->windowTitle()));
      okno->done(0);
    }
  }

  void dialogOtwarcia() {
    const QString poprzedni = WQt(folder_.Zapisz("poprzedni.bin", "x"));
    const auto dialog = ZbudujDialogOtwarcia(nullptr, poprzedni);
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
    QVERIFY(dialog->testOption(QFileDialog::DontResolveSymlinks));
    QVERIFY(dialog->isSizeGripEnabled());
    QCOMPARE(dialog->selectedFiles(), QStringList{poprzedni});
    QCOMPARE(dialog->directory().absolutePath(), WQt(folder_.Sciezka().string()));
    // No filter and no title of its own: what an untouched dialog has.
    const QFileDialog zwykly;
    QCOMPARE(dialog->nameFilters(), zwykly.nameFilters());
    QCOMPARE(dialog->filter(), zwykly.filter());
    QCOMPARE(dialog->windowTitle(), zwykly.windowTitle());
  }

  void adresTrafiaDoPrzegladarkiBezZmian() {
    const std::string adres =
        "http://rozpoznik.test/?s=rozpoznik_dodaj&ext=X%26Y&bajty=01020304000000000000"
        "&typ=Obraz%20%26%20d%9Fwi%EAk%20%231%2B50%25&rozm=4";
    const QUrl url = AdresDlaPrzegladarki(adres);
    QVERIFY(url.isValid());
    QCOMPARE(url.toEncoded(), QByteArray::fromStdString(adres));
    QCOMPARE(url.toString(QUrl::FullyEncoded), QString::fromStdString(adres));
  }

  void liniePoPowrocieKaretki() {
    QCOMPARE(TekstWierszami("a\rb\r\nc\nd"), QStringLiteral("a\nb\nc\nd"));
    QCOMPARE(TekstWierszami(cp1250::ZUtf8("żółw\r")), QStringLiteral("żółw\n"));
  }

 private:
  // The button that ends the box when `Dzialanie` is done to it while it is open.
  template <class TDzialanie>
  static QMessageBox::StandardButton Odpowiedz(QMessageBox& Okno, TDzialanie Dzialanie) {
    Okno.open();
    Dzialanie();
    return Okno.standardButton(Okno.clickedButton());
  }

  TFolderTestowy folder_;
};

ROZPOZNIK_TEST_OKNA(PulpitQtTest)
#include "PulpitQtTest.moc"

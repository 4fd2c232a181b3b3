// FormCreate: the update check comes first, before the window is shown, and the result lists
// come after it whatever it did. The web site is a loopback server of the test's own.

#include <QDateTime>
#include <QFile>

#include "tests/window/Pomocnicy.h"
#include "tests/window/SerwerTestowy.h"
#include "text/Cp1250.h"

namespace {

constexpr int CzekanieNaZapytanieMs = 5000;
constexpr int CzekanieNaBrakZapytaniaMs = 100;

TCzasLokalny CzasLokalny(const QDateTime& Czas) {
  const QDate d = Czas.date();
  const QTime t = Czas.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

// What the desktop saw when the question came.
struct TChwilaPytania {
  bool OknoWidoczne = true;
  bool ListyIstnialy = true;
};

}  // namespace

class TestStartu : public QObject {
  Q_OBJECT

 public:
  explicit TestStartu(TPulpitTestowy& Pulpit) : pulpit_(Pulpit) {}

 private slots:
  void initTestCase() {
    // The test's server is on this machine; a proxy set in the environment must not step in.
    qputenv("no_proxy", "127.0.0.1");
    qputenv("NO_PROXY", "127.0.0.1");
  }

  void init() {
    pulpit_.Wyczysc();
    teraz_ = QDateTime::currentDateTime();
    znacznik_ = ZapiszPlik(katalog_, QStringLiteral("readme.txt"), "Rozpoznik\n");
    pulpit_.PrzyPytaniu = [this] {
      for (QWidget* okno : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TForm1*>(okno)) {
          chwila_ = {form->isVisible(), form->ListaTypow != nullptr};
        }
      }
    };
  }

  void pytanieZanimOknoSiePokaze() {
    Postarz(8);
    TSerwerTestowy serwer("1", CzekanieNaZapytanieMs);
    TForm1 okno(pulpit_, TWitryna(serwer.Adres()), Srodowisko());
    QCOMPARE(serwer.Zapytanie(),
             std::string("GET /aktual.php?rand=42&program=Rozpoznik%20wersja%201.4 HTTP/1.1"));
    QCOMPARE(pulpit_.Pytania,
             std::vector<std::string>{
                 cp1250::ZUtf8("Dostępna jest nowsza wersja programu. Czy chcesz zaktualizować?")});
    QVERIFY(!chwila_.OknoWidoczne);
    QVERIFY(!chwila_.ListyIstnialy);
    QVERIFY(okno.ListaTypow && okno.ListaKategorii && okno.ListaProgramow && okno.ListaRozszerzen);
    QVERIFY(pulpit_.Adresy.empty());
    QCOMPARE(QFileInfo(znacznik_).lastModified(), teraz_.date().startOfDay());
  }

  void takOtwieraStroneAktualizacji() {
    Postarz(8);
    TSerwerTestowy serwer("1", CzekanieNaZapytanieMs);
    pulpit_.OdpowiedzTakNie = true;
    TForm1 okno(pulpit_, TWitryna(serwer.Adres()), Srodowisko());
    QCOMPARE(pulpit_.Adresy, std::vector<std::string>{serwer.Adres() + "?s=rozszerzenia"});
  }

  void listyPowstajaTakzeGdyPytanieZawiedzie() {
    Postarz(8);
    TSerwerTestowy serwer("1", CzekanieNaZapytanieMs);
    pulpit_.PrzyPytaniu = [] { throw std::runtime_error("pytanie zawiodło"); };
    TForm1 okno(pulpit_, TWitryna(serwer.Adres()), Srodowisko());
    QCOMPARE(pulpit_.Pytania.size(), 1u);
    QVERIFY(okno.ListaTypow && okno.ListaKategorii && okno.ListaProgramow && okno.ListaRozszerzen);
    QVERIFY(okno.ListaTypow->empty());
  }

  void swiezyZnacznikBezSieci() {
    Postarz(1);
    TSerwerTestowy serwer("1", CzekanieNaBrakZapytaniaMs);
    TForm1 okno(pulpit_, TWitryna(serwer.Adres()), Srodowisko());
    QCOMPARE(serwer.Zapytanie(), std::string());
    QVERIFY(pulpit_.Pytania.empty());
    QVERIFY(okno.ListaTypow);
  }

 private:
  void Postarz(int Dni) {
    QFile plik(znacznik_);
    QVERIFY(plik.open(QIODevice::ReadWrite));
    QVERIFY(plik.setFileTime(teraz_.addDays(-Dni), QFileDevice::FileModificationTime));
  }

  TSrodowiskoAktualizacji Srodowisko() const {
    return {.SciezkaZnacznika = Bajty(znacznik_),
            .Teraz = [teraz = CzasLokalny(teraz_)] { return teraz; },
            .Losuj = [] { return 42; }};
  }

  TPulpitTestowy& pulpit_;
  QTemporaryDir katalog_;
  QDateTime teraz_;
  QString znacznik_;
  TChwilaPytania chwila_;
};

ROZPOZNIK_TEST_OKNA(TestStartu)
#include "TestStartu.moc"

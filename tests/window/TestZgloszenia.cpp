// The unrecognised-file report: its message, its address and the window around it.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "engine/Klucz.h"
#include "tests/window/Pomocnicy.h"
#include "text/Cp1250.h"
#include "window/ZglosNieznanyPlik.h"

namespace {

const QByteArray NieznanyPoczatek("\x01\x02\x03\x04", 4);

std::string Komunikat(const std::string& Bajty, const std::string& Rozszerzenie,
                      const std::string& Typ, const std::string& Rozmiar) {
  return cp1250::ZUtf8(
             "Nie udało się ustalić typu danego pliku.\r"
             "Pierwsze 10 bajtów tego pliku oraz jego rozszerzenie:\r"
             "\r"
             "Bajty: " +
             Bajty +
             "\r"
             "Rozszerzenie: " +
             Rozszerzenie +
             "\r"
             "Typ pliku: ") +
         Typ + "\r" + "Rozmiar: " + Rozmiar + "\r" +
         cp1250::ZUtf8(
             "\r"
             "Naciśnij OK, aby przesłać powyższe dane na nasz serwer,\r"
             "abyśmy mogli udoskonalić nasz program, żeby rozpoznawał\r"
             "ten rodzaj plików.");
}

// The query's values as the site decodes them.
QMap<QByteArray, QByteArray> WartosciZapytania(const std::string& Adres) {
  const QByteArray adres = QByteArray::fromStdString(Adres);
  QMap<QByteArray, QByteArray> wartosci;
  for (const QByteArray& para : adres.mid(adres.indexOf('?') + 1).split('&')) {
    const qsizetype rownosc = para.indexOf('=');
    wartosci.insert(para.left(rownosc), QByteArray::fromPercentEncoding(para.mid(rownosc + 1)));
  }
  return wartosci;
}

}  // namespace

class TestZgloszenia : public QObject {
  Q_OBJECT

 public:
  explicit TestZgloszenia(TPulpitTestowy& Pulpit) : pulpit_(Pulpit) {}

 private slots:
  void init() {
    pulpit_.Wyczysc();
    pulpit_.TypSystemowy = "Dokument testowy";
    okno_ = PokazaneOkno(pulpit_, katalog_);
  }
  void cleanup() { okno_.reset(); }

  void plikCzterobajtowy() {
    const QString plik = ZapiszPlik(katalog_, QStringLiteral("dane.xyz"), NieznanyPoczatek);
    pulpit_.OdpowiedzOkAnuluj = true;
    Wybierz(plik);
    QCOMPARE(pulpit_.SciezkiTypow, std::vector<std::string>{Bajty(plik)});
    QCOMPARE(pulpit_.Potwierdzenia, std::vector<std::string>{Komunikat(
                                        "01020304000000000000", "XYZ", "Dokument testowy", "4")});
    QCOMPARE(pulpit_.Adresy,
             std::vector<std::string>{"http://rozpoznik.test/?s=rozpoznik_dodaj&ext=XYZ"
                                      "&bajty=01020304000000000000&typ=Dokument%20testowy&rozm=4"});
  }

  void plikBezRozszerzenia() {
    const QString plik = ZapiszPlik(katalog_, QStringLiteral("dane"), NieznanyPoczatek);
    pulpit_.OdpowiedzOkAnuluj = true;
    Wybierz(plik);
    QCOMPARE(pulpit_.Potwierdzenia, std::vector<std::string>{Komunikat("01020304000000000000", "",
                                                                       "Dokument testowy", "4")});
    QCOMPARE(pulpit_.Adresy.size(), 1u);
    QVERIFY(pulpit_.Adresy[0].find("?s=rozpoznik_dodaj&ext=&bajty=0102") != std::string::npos);
  }

  void rozszerzenieObcieteDoSzesciuZnakow() {
    const QString plik = ZapiszPlik(katalog_, QStringLiteral("dane.abcdefg"), NieznanyPoczatek);
    pulpit_.OdpowiedzOkAnuluj = true;
    Wybierz(plik);
    QCOMPARE(pulpit_.Potwierdzenia,
             std::vector<std::string>{
                 Komunikat("01020304000000000000", "ABCDEF", "Dokument testowy", "4")});
    QCOMPARE(WartosciZapytania(pulpit_.Adresy.at(0)).value("ext"), QByteArray("ABCDEF"));
  }

  void plikPonadCzteryGibibajty() {
    const QString sciezka = katalog_.filePath(QStringLiteral("duzy.xyz"));
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    QCOMPARE(plik.write(QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B", 11)), 11);
    QVERIFY(plik.resize(5LL * 1024 * 1024 * 1024 + 3));
    plik.close();
    pulpit_.OdpowiedzOkAnuluj = true;
    Wybierz(sciezka);
    QCOMPARE(pulpit_.Potwierdzenia,
             std::vector<std::string>{
                 Komunikat("0102030405060708090A", "XYZ", "Dokument testowy", "5368709123")});
    QCOMPARE(WartosciZapytania(pulpit_.Adresy.at(0)).value("rozm"), QByteArray("5368709123"));
  }

  void plikKtoregoNieOtwarto() {
    const std::string sciezka = Bajty(katalog_.filePath(QStringLiteral("nie/ma/tego.xyz")));
    const TOdczytPliku klucz = ZbudujKlucz(sciezka);
    pulpit_.TypSystemowy.clear();
    pulpit_.OdpowiedzOkAnuluj = true;
    ZglosNieznanyPlik(pulpit_, TWitryna(AdresTestowy), sciezka, klucz.Klucz,
                      klucz.TekstSzesnastkowy, klucz.Rozmiar);
    QCOMPARE(pulpit_.Potwierdzenia,
             std::vector<std::string>{Komunikat("00000000000000000000", "XYZ", "", "0")});
    QCOMPARE(pulpit_.Adresy,
             std::vector<std::string>{"http://rozpoznik.test/?s=rozpoznik_dodaj&ext=XYZ"
                                      "&bajty=00000000000000000000&typ=&rozm=0"});
  }

  // Unescaped, "&", "#" and "+" would cut or change the values the site reads.
  void wartosciKodowaneProcentowo() {
    const std::string typ = cp1250::ZUtf8("Obraz & dźwięk #1+50%");
    pulpit_.TypSystemowy = typ;
    pulpit_.OdpowiedzOkAnuluj = true;
    Wybierz(ZapiszPlik(katalog_, QStringLiteral("dane.x&y"), NieznanyPoczatek));
    QCOMPARE(pulpit_.Potwierdzenia,
             std::vector<std::string>{Komunikat("01020304000000000000", "X&Y", typ, "4")});
    QCOMPARE(pulpit_.Adresy,
             std::vector<std::string>{"http://rozpoznik.test/?s=rozpoznik_dodaj&ext=X%26Y"
                                      "&bajty=01020304000000000000"
                                      "&typ=Obraz%20%26%20d%9Fwi%EAk%20%231%2B50%25&rozm=4"});
    const auto wartosci = WartosciZapytania(pulpit_.Adresy[0]);
    QCOMPARE(wartosci.keys(), (QList<QByteArray>{"bajty", "ext", "rozm", "s", "typ"}));
    QCOMPARE(wartosci.value("typ"), QByteArray::fromStdString(typ));
    QCOMPARE(wartosci.value("ext"), QByteArray("X&Y"));
  }

  void anulowanieNieOtwieraNiczego() {
    pulpit_.OdpowiedzOkAnuluj = false;
    Wybierz(ZapiszPlik(katalog_, QStringLiteral("dane.xyz"), NieznanyPoczatek));
    QCOMPARE(pulpit_.Potwierdzenia.size(), 1u);
    QVERIFY(pulpit_.Adresy.empty());
  }

  void oknoPoZgloszeniuBezZmian() {
    const QString plik = ZapiszPlik(katalog_, QStringLiteral("dane.xyz"), NieznanyPoczatek);
    pulpit_.OdpowiedzOkAnuluj = true;
    Wybierz(plik);
    QCOMPARE(okno_->Edit1->text(), plik);
    SprawdzBezWyniku(*okno_);
    QVERIFY(okno_->ListaTypow->empty());
  }

 private:
  void Wybierz(const QString& Sciezka) {
    pulpit_.WyboryPlikow.push_back(Sciezka);
    okno_->SpeedButton1Click();
  }

  TPulpitTestowy& pulpit_;
  QTemporaryDir katalog_;
  std::unique_ptr<TForm1> okno_;
};

ROZPOZNIK_TEST_OKNA(TestZgloszenia)
#include "TestZgloszenia.moc"

// The window's fixed layout: its frame and every control's place, look and start state.

#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include "window/Aplikacja.h"
#include "window/Czcionki.h"
#include "window/Informacje.h"
#include "window/Tekst.h"
#include "window/Unit1.h"

namespace {

constexpr int SzerokoscOkna = 415;
constexpr int WysokoscOkna = 393;
const QPoint PolozenieOkna(231, 146);

void UstawKolor(QWidget* Kontrolka, QPalette::ColorRole Rola, const QColor& Kolor) {
  QPalette paleta = Kontrolka->palette();
  paleta.setColor(Rola, Kolor);
  Kontrolka->setPalette(paleta);
}

// A white transparent label that takes the width of its text.
void UstawEtykiete(QLabel* Etykieta, const QString& Tekst, QPoint Polozenie, int Wysokosc) {
  Etykieta->setFont(Tahoma(16));
  UstawKolor(Etykieta, QPalette::WindowText, Qt::white);
  Etykieta->setText(Tekst);
  Etykieta->setGeometry(QRect(Polozenie, QSize(Etykieta->sizeHint().width(), Wysokosc)));
}

template <class TKontrolka>
TKontrolka* Nazwij(TKontrolka* Kontrolka, const char* Nazwa) {
  Kontrolka->setObjectName(QString::fromLatin1(Nazwa));
  return Kontrolka;
}

QLabel* Obraz(QLabel* Etykieta, const QString& Zasob, QPoint Polozenie) {
  const QPixmap obraz(Zasob);
  Etykieta->setPixmap(obraz);
  Etykieta->setGeometry(QRect(Polozenie, obraz.size()));
  return Etykieta;
}

QLineEdit* PoleTylkoDoOdczytu(QWidget* Okno, const char* Nazwa, int Gora) {
  auto* pole = Nazwij(new QLineEdit(Okno), Nazwa);
  pole->setReadOnly(true);
  pole->setFont(Tahoma(13));
  pole->setGeometry(112, Gora, 217, 24);
  return pole;
}

void BezPaskowPrzewijania(QPlainTextEdit* Memo) {
  Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo->setReadOnly(true);
  Memo->setTabChangesFocus(true);
  Memo->setFont(Tahoma(13));
}

}  // namespace

TForm1::TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
               QWidget* Rodzic)
    : QWidget(Rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      pulpit_(Pulpit),
      witryna_(std::move(Witryna)),
      srodowisko_(std::move(Srodowisko)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(TytulOkna));
  setFixedSize(SzerokoscOkna, WysokoscOkna);
  move(PolozenieOkna);
  setAcceptDrops(true);
  UtworzKontrolki();
  UstawKolejnosc();
  PolaczZdarzenia();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Qt::black);
}

// Created from back to front: a control created later lies above the earlier ones.
void TForm1::UtworzKontrolki() {
  Image1 = Obraz(Nazwij(new QLabel(this), "Image1"), QStringLiteral(":/zasoby/tlo.png"), {0, 0});

  Bevel1 = Nazwij(new TLinia(TLinia::TKrawedz::Dolna, TLinia::TStyl::Wypukla, this), "Bevel1");
  Bevel1->setGeometry(0, 0, 417, 53);

  SpeedButton1 = Nazwij(new TPlaskiPrzycisk(this), "SpeedButton1");
  SpeedButton1->setText(QStringLiteral("Przeglądaj"));
  SpeedButton1->setFont(Tahoma(13));
  UstawKolor(SpeedButton1, QPalette::ButtonText, Qt::white);
  SpeedButton1->setGeometry(336, 70, 73, 24);

  OpenDialog1 = Nazwij(new TOpenDialog(pulpit_, this), "OpenDialog1");

  Image2 = Nazwij(new TEtykieta(this), "Image2");
  Obraz(Image2, QStringLiteral(":/zasoby/pytajnik.png"), {380, 12});

  Label1 = Nazwij(new TEtykieta(this), "Label1");
  UstawEtykiete(Label1, QStringLiteral("Nazwa pliku"), {16, 72}, 19);
  Label2 = Nazwij(new QLabel(this), "Label2");
  UstawEtykiete(Label2, QStringLiteral("Typ pliku"), {34, 128}, 19);
  Label3 = Nazwij(new QLabel(this), "Label3");
  UstawEtykiete(Label3, QStringLiteral("Kategoria"), {36, 160}, 19);
  Label4 = Nazwij(new QLabel(this), "Label4");
  UstawEtykiete(Label4, QStringLiteral("Programy"), {32, 192}, 19);
  Label5 = Nazwij(new QLabel(this), "Label5");
  UstawEtykiete(Label5, QStringLiteral("obsługujące"), {17, 208}, 19);

  Bevel2 = Nazwij(new TLinia(TLinia::TKrawedz::Gorna, TLinia::TStyl::Wypukla, this), "Bevel2");
  Bevel2->setGeometry(0, 360, 417, 37);

  Label6 = Nazwij(new TEtykieta(this), "Label6");
  UstawEtykiete(Label6, QStringLiteral("Odwiedź nas: ") + NaQString(witryna_.AdresKorzenia()),
                {105, 366}, 19);
  Label6->setCursor(Qt::PointingHandCursor);
  Label6->setMouseTracking(true);

  InfoLabel = Nazwij(new QLabel(this), "InfoLabel");
  InfoLabel->setFont(Tahoma(15));
  UstawKolor(InfoLabel, QPalette::WindowText, Qt::red);
  InfoLabel->setGeometry(0, 101, 0, 18);
  InfoLabel->hide();

  Pasek = Nazwij(new TLinia(TLinia::TKrawedz::Gorna, TLinia::TStyl::Wklesla, this), "Pasek");
  Pasek->setGeometry(80, 106, 281, 10);

  Edit1 = PoleTylkoDoOdczytu(this, "Edit1", 70);
  TypEdit = PoleTylkoDoOdczytu(this, "TypEdit", 126);
  KategoriaEdit = PoleTylkoDoOdczytu(this, "KategoriaEdit", 158);

  ProgramyMemo = Nazwij(new QPlainTextEdit(this), "ProgramyMemo");
  BezPaskowPrzewijania(ProgramyMemo);
  ProgramyMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  ProgramyMemo->setGeometry(112, 192, 217, 153);

  ScrollBar1 = Nazwij(new QScrollBar(Qt::Vertical, this), "ScrollBar1");
  ScrollBar1->setRange(0, 100);
  ScrollBar1->setSingleStep(1);
  ScrollBar1->setPageStep(1);
  ScrollBar1->setFocusPolicy(Qt::StrongFocus);
  ScrollBar1->setGeometry(336, 128, 17, 217);
  ScrollBar1->hide();

  InfoMemo = Nazwij(new TMemo(this), "InfoMemo");
  BezPaskowPrzewijania(InfoMemo);
  InfoMemo->setFrameShape(QFrame::NoFrame);
  UstawKolor(InfoMemo, QPalette::Base, Qt::black);
  UstawKolor(InfoMemo, QPalette::Text, Qt::white);
  InfoMemo->setPlainText(NaQString(TekstInformacji()));
  InfoMemo->setGeometry(280, 248, 401, 289);
  InfoMemo->hide();
}

// Keyboard focus passes through the boxes and the scroll bar only, hidden ones skipped.
void TForm1::UstawKolejnosc() {
  setTabOrder(Edit1, TypEdit);
  setTabOrder(TypEdit, KategoriaEdit);
  setTabOrder(KategoriaEdit, ProgramyMemo);
  setTabOrder(ProgramyMemo, InfoMemo);
  setTabOrder(InfoMemo, ScrollBar1);
}

// Every handler runs inside ObsluzZdarzenie: the signals that call them are emitted from Qt's
// widget code, through which no error may pass.
void TForm1::PolaczZdarzenia() {
  const auto obsluga = [this](void (TForm1::*Obsluga)()) {
    return [this, Obsluga] { ObsluzZdarzenie(pulpit_, [this, Obsluga] { (this->*Obsluga)(); }); };
  };
  connect(SpeedButton1, &QAbstractButton::clicked, this, obsluga(&TForm1::SpeedButton1Click));
  connect(ScrollBar1, &QScrollBar::valueChanged, this, obsluga(&TForm1::ScrollBar1Change));
  connect(Label1, &TEtykieta::Klikniecie, this, obsluga(&TForm1::Label1Click));
  connect(Image2, &TEtykieta::Klikniecie, this, obsluga(&TForm1::Image2Click));
  connect(InfoMemo, &TMemo::Klikniecie, this, obsluga(&TForm1::InfoMemoClick));
  connect(Label6, &TEtykieta::Klikniecie, this, obsluga(&TForm1::Label6Click));
  connect(Label6, &TEtykieta::RuchMyszy, this,
          [this] { ObsluzZdarzenie(pulpit_, [this] { Label6MouseMove(Label6); }); });
  connect(Label6, &TEtykieta::Opuszczenie, this,
          [this] { ObsluzZdarzenie(pulpit_, [this] { Label6MouseLeave(Label6); }); });
}

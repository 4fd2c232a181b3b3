#include "window/qt/Unit1.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QUrl>
#include <utility>

#include "window/DlugiTekst.h"
#include "window/Teksty.h"
#include "window/qt/Czcionki.h"
#include "window/qt/Tekst.h"

namespace {

QColor Kolor(TKolor Kolor) {
  return {Kolor.R, Kolor.G, Kolor.B};
}

QRect Prostokat(const TProstokat& P) {
  return {P.Lewa, P.Gora, P.Szerokosc, P.Wysokosc};
}

void UstawKolor(QWidget* Kontrolka, QPalette::ColorRole Rola, const QColor& Kolor) {
  QPalette paleta = Kontrolka->palette();
  if (paleta.color(Rola) == Kolor) return;
  paleta.setColor(Rola, Kolor);
  Kontrolka->setPalette(paleta);
}

void Zamaluj(QPlainTextEdit* Memo) {
  UstawKolor(Memo, QPalette::Base, Qt::black);
  UstawKolor(Memo, QPalette::Text, Qt::white);
  Memo->setFrameShape(QFrame::NoFrame);
}

// What a drag carries, for the window to judge: its local files, and whether anything else came
// with them.
TUpuszczenie Upuszczone(const QMimeData* Dane) {
  TUpuszczenie upuszczone;
  if (Dane == nullptr) return upuszczone;
  for (const QUrl& adres : Dane->urls()) {
    if (adres.isLocalFile()) {
      upuszczone.Pliki.push_back(QFile::encodeName(adres.toLocalFile()).toStdString());
    } else {
      upuszczone.Inne = true;
    }
  }
  return upuszczone;
}

// The width left for the text inside the frame and Qt's margin of two pixels on each side.
int MiejsceNaTekst(const QLineEdit* Pole) {
  const int ramka = Pole->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Pole);
  return Pole->width() - 2 * (ramka + 2);
}

void UstawPole(QLineEdit* Pole, const QString& Tekst, TDlugiTekst DlugiTekst) {
  if (Pole->text() != Tekst) Pole->setText(Tekst);
  const TWidokPola widok =
      WidokPola(DlugiTekst, Pole->fontMetrics().horizontalAdvance(Tekst) > MiejsceNaTekst(Pole));
  Pole->setCursorPosition(widok.OdKonca ? static_cast<int>(Tekst.size()) : 0);
  Pole->setToolTip(widok.Podpowiedz ? Tekst : QString());
}

}  // namespace

TForm1::TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
               QWidget* Rodzic)
    // A fixed-size window whose frame offers only closing: no minimising, maximising or resizing.
    : QWidget(Rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      TOknoRozpoznika(Pulpit, std::move(Witryna), std::move(Srodowisko)) {
  setObjectName(QString::fromUtf8(OpisOkna.Nazwa));
  setWindowTitle(QString::fromUtf8(TytulOkna));
  setFixedSize(OpisOkna.Szerokosc, OpisOkna.Wysokosc);
  move(OpisOkna.Lewa, OpisOkna.Gora);
  setAcceptDrops(true);
  // Created from back to front: a control created later lies above the earlier ones.
  for (const TOpisKontrolki& opis : UkladOkna) {
    QWidget* kontrolka = UtworzKontrolke(opis);
    kontrolka->setObjectName(QString::fromUtf8(opis.Nazwa));
    kontrolki_[Indeks(opis.Kontrolka)] = kontrolka;
  }
  const auto kontrolka = [this](TKontrolka K) { return kontrolki_[Indeks(K)]; };
  Image1 = static_cast<QLabel*>(kontrolka(TKontrolka::Image1));
  Bevel1 = static_cast<TLinia*>(kontrolka(TKontrolka::Bevel1));
  SpeedButton1 = static_cast<TPlaskiPrzycisk*>(kontrolka(TKontrolka::SpeedButton1));
  Image2 = static_cast<TEtykieta*>(kontrolka(TKontrolka::Image2));
  Label1 = static_cast<TEtykieta*>(kontrolka(TKontrolka::Label1));
  Label2 = static_cast<TEtykieta*>(kontrolka(TKontrolka::Label2));
  Label3 = static_cast<TEtykieta*>(kontrolka(TKontrolka::Label3));
  Label4 = static_cast<TEtykieta*>(kontrolka(TKontrolka::Label4));
  Label5 = static_cast<TEtykieta*>(kontrolka(TKontrolka::Label5));
  Bevel2 = static_cast<TLinia*>(kontrolka(TKontrolka::Bevel2));
  Label6 = static_cast<TEtykieta*>(kontrolka(TKontrolka::Label6));
  InfoLabel = static_cast<TEtykieta*>(kontrolka(TKontrolka::InfoLabel));
  Pasek = static_cast<TLinia*>(kontrolka(TKontrolka::Pasek));
  Edit1 = static_cast<QLineEdit*>(kontrolka(TKontrolka::Edit1));
  TypEdit = static_cast<QLineEdit*>(kontrolka(TKontrolka::TypEdit));
  KategoriaEdit = static_cast<QLineEdit*>(kontrolka(TKontrolka::KategoriaEdit));
  ProgramyMemo = static_cast<TMemo*>(kontrolka(TKontrolka::ProgramyMemo));
  ScrollBar1 = static_cast<QScrollBar*>(kontrolka(TKontrolka::ScrollBar1));
  InfoMemo = static_cast<TMemo*>(kontrolka(TKontrolka::InfoMemo));
  UstawKolejnosc();
  PokazStan();
  for (const TOpisKontrolki& opis : UkladOkna) {
    PolaczZdarzenia(opis, kontrolki_[Indeks(opis.Kontrolka)]);
  }
}

TForm1::~TForm1() = default;

QWidget* TForm1::UtworzKontrolke(const TOpisKontrolki& Opis) {
  QWidget* kontrolka = nullptr;
  switch (Opis.Rodzaj) {
    case TRodzajKontrolki::Obraz: {
      auto* obraz = Opis.Klikalna ? new TEtykieta(this) : new QLabel(this);
      obraz->setPixmap(QPixmap(QStringLiteral(":/zasoby/") + QString::fromUtf8(Opis.Obraz)));
      kontrolka = obraz;
      break;
    }
    case TRodzajKontrolki::Linia:
      kontrolka = new TLinia(Opis.Krawedz, Opis.Styl, this);
      break;
    case TRodzajKontrolki::Etykieta:
      kontrolka = new TEtykieta(this);
      break;
    case TRodzajKontrolki::Przycisk:
      kontrolka = new TPlaskiPrzycisk(this);
      UstawKolor(kontrolka, QPalette::ButtonText, Kolor(Opis.KolorTekstu));
      break;
    case TRodzajKontrolki::Pole: {
      auto* pole = new QLineEdit(this);
      pole->setReadOnly(true);
      kontrolka = pole;
      break;
    }
    case TRodzajKontrolki::Memo: {
      auto* memo = new TMemo(this);
      memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->setReadOnly(true);
      memo->setTabChangesFocus(true);
      memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      if (Opis.KolorTlaCzarny) Zamaluj(memo);
      kontrolka = memo;
      break;
    }
    case TRodzajKontrolki::PasekPrzewijania: {
      auto* pasek = new QScrollBar(Qt::Vertical, this);
      pasek->setSingleStep(1);
      pasek->setPageStep(1);
      kontrolka = pasek;
      break;
    }
  }
  if (Opis.Czcionka > 0) kontrolka->setFont(Tahoma(Opis.Czcionka));
  kontrolka->setGeometry(Prostokat(Opis.Polozenie));
  if (Opis.Rodzaj == TRodzajKontrolki::Obraz) {
    kontrolka->resize(static_cast<QLabel*>(kontrolka)->pixmap().size());
  }
  kontrolka->setFocusPolicy(Opis.Fokus > 0 ? Qt::StrongFocus : Qt::NoFocus);
  if (Opis.Odnosnik) {
    kontrolka->setCursor(Qt::PointingHandCursor);
    kontrolka->setMouseTracking(true);
  }
  return kontrolka;
}

// Keyboard focus passes through the controls in the table's focus order, hidden ones skipped.
void TForm1::UstawKolejnosc() {
  std::array<QWidget*, LiczbaKontrolek + 1> wKolejnosci{};
  for (const TOpisKontrolki& opis : UkladOkna) {
    if (opis.Fokus > 0) {
      wKolejnosci[static_cast<std::size_t>(opis.Fokus)] = kontrolki_[Indeks(opis.Kontrolka)];
    }
  }
  QWidget* poprzednia = nullptr;
  for (QWidget* kontrolka : wKolejnosci) {
    if (kontrolka == nullptr) continue;
    if (poprzednia != nullptr) setTabOrder(poprzednia, kontrolka);
    poprzednia = kontrolka;
  }
}

// The window decides what each event means; the signals are emitted from Qt's widget code,
// through which no error may pass, and the window lets none out.
void TForm1::PolaczZdarzenia(const TOpisKontrolki& Opis, QWidget* Kontrolka) {
  const TKontrolka k = Opis.Kontrolka;
  if (auto* pasek = qobject_cast<QScrollBar*>(Kontrolka)) {
    connect(pasek, &QScrollBar::valueChanged, this, [this, k](int p) { ZmianaPozycji(k, p); });
  }
  if (!Opis.Klikalna) return;
  if (auto* przycisk = qobject_cast<QAbstractButton*>(Kontrolka)) {
    connect(przycisk, &QAbstractButton::clicked, this, [this, k] { Klikniecie(k); });
  } else if (auto* etykieta = qobject_cast<TEtykieta*>(Kontrolka)) {
    connect(etykieta, &TEtykieta::Klikniecie, this, [this, k] { Klikniecie(k); });
    connect(etykieta, &TEtykieta::RuchMyszy, this, [this, k] { RuchMyszy(k); });
    connect(etykieta, &TEtykieta::Opuszczenie, this, [this, k] { OpuszczenieMyszy(k); });
  } else if (auto* memo = qobject_cast<TMemo*>(Kontrolka)) {
    connect(memo, &TMemo::Klikniecie, this, [this, k] { Klikniecie(k); });
  }
}

void TForm1::PokazStan() {
  for (const TOpisKontrolki& opis : UkladOkna) PokazKontrolke(opis, Stan()[opis.Kontrolka]);
  // Setting the range and position here is drawing, not the user's move.
  const QSignalBlocker cisza(ScrollBar1);
  ScrollBar1->setRange(0, Stan().MaksimumPaska);
  ScrollBar1->setValue(Stan().PozycjaPaska);
}

void TForm1::PokazKontrolke(const TOpisKontrolki& Opis, const TStanKontrolki& Stan) {
  QWidget* kontrolka = kontrolki_[Indeks(Opis.Kontrolka)];
  const QString tekst = Opis.Sciezka ? QFile::decodeName(QByteArray::fromStdString(Stan.Tekst))
                                     : NaQString(Stan.Tekst);
  switch (Opis.Rodzaj) {
    case TRodzajKontrolki::Etykieta: {
      auto* etykieta = static_cast<QLabel*>(kontrolka);
      etykieta->setText(tekst);
      UstawKolor(etykieta, QPalette::WindowText, Kolor(Stan.KolorTekstu));
      // Labels take the width of their text.
      const int szerokosc = etykieta->sizeHint().width();
      const int lewa = Opis.WysrodkowanaNaRamie
                           ? LewaWysrodkowana(frameGeometry().width(), szerokosc)
                           : Stan.Lewa;
      etykieta->setGeometry(lewa, Stan.Gora, szerokosc, Opis.Polozenie.Wysokosc);
      break;
    }
    case TRodzajKontrolki::Przycisk:
      static_cast<QAbstractButton*>(kontrolka)->setText(tekst);
      break;
    case TRodzajKontrolki::Pole:
      UstawPole(static_cast<QLineEdit*>(kontrolka), tekst, Opis.DlugiTekst);
      break;
    case TRodzajKontrolki::Memo: {
      auto* memo = static_cast<QPlainTextEdit*>(kontrolka);
      if (memo->toPlainText() != tekst) memo->setPlainText(tekst);
      kontrolka->move(Stan.Lewa, Stan.Gora);
      break;
    }
    case TRodzajKontrolki::Obraz:
    case TRodzajKontrolki::Linia:
    case TRodzajKontrolki::PasekPrzewijania:
      break;
  }
  kontrolka->setVisible(Stan.Widoczna);
}

void TForm1::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Kolor(OpisOkna.Tlo));
}

void TForm1::dragEnterEvent(QDragEnterEvent* Zdarzenie) {
  if (PlikUpuszczenia(Upuszczone(Zdarzenie->mimeData()))) Zdarzenie->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* Zdarzenie) {
  TUpuszczenie upuszczone = Upuszczone(Zdarzenie->mimeData());
  if (PlikUpuszczenia(upuszczone)) Zdarzenie->acceptProposedAction();
  // The lookup runs once the drop has ended, so that the program the file came from is not
  // held up by it.
  QMetaObject::invokeMethod(
      this, [this, upuszczone = std::move(upuszczone)] { Upuszczenie(upuszczone); },
      Qt::QueuedConnection);
}

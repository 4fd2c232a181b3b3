// The identify command: a file chosen in OpenDialog1 or dropped on the window, its lookup in
// the catalogue and the display of its candidates.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>
#include <optional>

#include "engine/Klucz.h"
#include "window/Aplikacja.h"
#include "window/Pulpit.h"
#include "window/Tekst.h"
#include "window/Unit1.h"
#include "window/ZglosNieznanyPlik.h"

namespace {

constexpr int GoraNiejednoznacznosci = 101;
constexpr int WysokoscNiejednoznacznosci = 18;

// The one local file being dragged; several files, or anything else, are not taken.
std::optional<QString> JedenPlik(const QMimeData* Dane) {
  if (Dane == nullptr || !Dane->hasUrls()) return std::nullopt;
  const QList<QUrl> adresy = Dane->urls();
  if (adresy.size() != 1 || !adresy.front().isLocalFile()) return std::nullopt;
  return adresy.front().toLocalFile();
}

void UstawTekst(QLineEdit* Pole, const QString& Tekst) {
  Pole->setText(Tekst);
  // Show the start of a long text, not its end.
  Pole->setCursorPosition(0);
}

}  // namespace

void TForm1::SpeedButton1Click() {
  if (!OpenDialog1->Execute()) return;
  RozpoznajWybranyPlik(OpenDialog1->FileName);
}

void TForm1::RozpoznajWybranyPlik(const QString& Sciezka) {
  TypEdit->clear();
  KategoriaEdit->clear();
  ProgramyMemo->clear();
  ScrollBar1->hide();
  InfoLabel->hide();
  Pasek->show();
  UstawTekst(Edit1, Sciezka);

  const std::string sciezka = QFile::encodeName(Sciezka).toStdString();
  const TOdczytPliku klucz = ZbudujKlucz(sciezka);
  bool znaleziony = false;
  {
    // The key reads 80 bytes; the text test of the lookup may read the whole file.
    const TZajetosc zajetosc(pulpit_);
    znaleziony = RozpoznajPlik(klucz.Klucz, sciezka, *ListaTypow, *ListaRozszerzen, *ListaKategorii,
                               *ListaProgramow);
  }
  if (!znaleziony) {
    ZglosNieznanyPlik(pulpit_, witryna_, sciezka, klucz.Klucz, klucz.TekstSzesnastkowy,
                      klucz.Rozmiar);
    return;
  }

  PokazKandydata(0);
  // Narrowing the range pulls a position left from an earlier file into it; each change of
  // position shows its candidate, and the last one shows candidate 0.
  ScrollBar1->setRange(0, static_cast<int>(ListaTypow->size()) - 1);
  ScrollBar1->setValue(0);
  if (ScrollBar1->maximum() > 0) PokazNiejednoznacznosc();
}

void TForm1::PokazNiejednoznacznosc() {
  ScrollBar1->show();
  Pasek->hide();
  InfoLabel->setText(QStringLiteral("Brak jednoznaczności. Przewiń by zobaczyć alternatywy."));
  // Centred on the window's outer width, frame included.
  const int szerokosc = InfoLabel->sizeHint().width();
  InfoLabel->setGeometry((frameGeometry().width() - szerokosc) / 2, GoraNiejednoznacznosci,
                         szerokosc, WysokoscNiejednoznacznosci);
  InfoLabel->show();
}

void TForm1::ScrollBar1Change() {
  PokazKandydata(ScrollBar1->value());
}

void TForm1::PokazKandydata(int Numer) {
  // After a lookup without candidates the hidden scroll bar keeps its old range.
  if (Numer < 0 || static_cast<std::size_t>(Numer) >= ListaTypow->size()) return;
  const auto i = static_cast<std::size_t>(Numer);
  UstawTekst(TypEdit, NaQString((*ListaTypow)[i]));
  UstawTekst(KategoriaEdit, NaQString((*ListaKategorii)[i]));
  ProgramyMemo->setPlainText(TekstWierszami((*ListaProgramow)[i]));
}

void TForm1::dragEnterEvent(QDragEnterEvent* Zdarzenie) {
  if (JedenPlik(Zdarzenie->mimeData())) Zdarzenie->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* Zdarzenie) {
  const std::optional<QString> plik = JedenPlik(Zdarzenie->mimeData());
  if (!plik) return;
  Zdarzenie->acceptProposedAction();
  // As if chosen in the dialog, which then offers it next time. The lookup runs once the drop
  // has ended, so that the program the file came from is not held up by it.
  OpenDialog1->FileName = *plik;
  QMetaObject::invokeMethod(
      this,
      [this, sciezka = *plik] {
        ObsluzZdarzenie(pulpit_, [this, &sciezka] { RozpoznajWybranyPlik(sciezka); });
      },
      Qt::QueuedConnection);
}

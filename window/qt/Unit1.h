#pragma once

// The main window drawn with Qt: one widget per control of the layout table, each showing the
// window's state, each passing its events to the window's behaviour.

#include <QWidget>
#include <array>

#include "window/OknoRozpoznika.h"
#include "window/qt/Kontrolki.h"

class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class TPulpit;

class TForm1 : public QWidget, public TOknoRozpoznika {
  Q_OBJECT

 public:
  // Builds the window and draws its state at start; the main block then starts it (Uruchom)
  // before showing it.
  TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
         QWidget* Rodzic = nullptr);
  ~TForm1() override;

  // The controls, owned by the window; each carries its member name as its object name.
  TPlaskiPrzycisk* SpeedButton1;
  QLineEdit* Edit1;
  QLabel* Image1;
  TEtykieta* Image2;
  TLinia* Bevel1;
  TEtykieta* Label1;
  TEtykieta* Label2;
  QLineEdit* TypEdit;
  TEtykieta* Label3;
  QLineEdit* KategoriaEdit;
  TEtykieta* Label4;
  TMemo* ProgramyMemo;
  TEtykieta* Label5;
  TLinia* Bevel2;
  TEtykieta* Label6;
  TMemo* InfoMemo;
  TEtykieta* InfoLabel;
  QScrollBar* ScrollBar1;
  TLinia* Pasek;

 protected:
  void PokazStan() override;
  void paintEvent(QPaintEvent* Zdarzenie) override;
  void dragEnterEvent(QDragEnterEvent* Zdarzenie) override;
  void dropEvent(QDropEvent* Zdarzenie) override;

 private:
  QWidget* UtworzKontrolke(const TOpisKontrolki& Opis);
  void UstawKolejnosc();
  void PolaczZdarzenia(const TOpisKontrolki& Opis, QWidget* Kontrolka);
  void PokazKontrolke(const TOpisKontrolki& Opis, const TStanKontrolki& Stan);

  std::array<QWidget*, LiczbaKontrolek> kontrolki_{};
};

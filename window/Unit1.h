#pragma once

// The main window: its controls, its result lists and its handlers.

#include <QWidget>
#include <memory>
#include <string>

#include "engine/ObslugaBaz.h"
#include "update/SprawdzCzyNowaWersja.h"
#include "update/Witryna.h"
#include "window/Kontrolki.h"
#include "window/OpenDialog.h"

// The window caption: the program's name and version.
inline constexpr char TytulOkna[] = "Rozpoznik wersja 1.4";

class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class TPulpit;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Runs FormCreate before it returns, so before the window is first shown.
  TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
         QWidget* Rodzic = nullptr);
  ~TForm1() override;

  // The controls, owned by the window; each carries its member name as its object name.
  TPlaskiPrzycisk* SpeedButton1;
  TOpenDialog* OpenDialog1;
  QLineEdit* Edit1;
  QLabel* Image1;
  TEtykieta* Image2;
  TLinia* Bevel1;
  TEtykieta* Label1;
  QLabel* Label2;
  QLineEdit* TypEdit;
  QLabel* Label3;
  QLineEdit* KategoriaEdit;
  QLabel* Label4;
  QPlainTextEdit* ProgramyMemo;
  QLabel* Label5;
  TLinia* Bevel2;
  TEtykieta* Label6;
  TMemo* InfoMemo;
  QLabel* InfoLabel;
  QScrollBar* ScrollBar1;
  TLinia* Pasek;

  // Entry i of each list describes candidate i of the last lookup. They come into being in
  // FormCreate, after the update check.
  std::unique_ptr<TListaTekstow> ListaTypow;
  std::unique_ptr<TListaTekstow> ListaKategorii;
  std::unique_ptr<TListaTekstow> ListaProgramow;
  std::unique_ptr<TListaTekstow> ListaRozszerzen;

  void ScrollBar1Change();
  void SpeedButton1Click();
  void Image2Click();
  void InfoMemoClick();
  void FormCreate();
  void Label1Click();
  void Label6Click();
  void Label6MouseMove(QLabel* Sender);
  void Label6MouseLeave(QLabel* Sender);
  void SprawdzCzyNowaWersja();

 protected:
  void paintEvent(QPaintEvent* Zdarzenie) override;
  void dragEnterEvent(QDragEnterEvent* Zdarzenie) override;
  void dropEvent(QDropEvent* Zdarzenie) override;

 private:
  void UtworzKontrolki();
  void UstawKolejnosc();
  void PolaczZdarzenia();
  // Steps 2 onwards of the identify command, for a path from the dialog or a drop.
  void RozpoznajWybranyPlik(const QString& Sciezka);
  void PokazKandydata(int Numer);
  void PokazNiejednoznacznosc();

  TPulpit& pulpit_;
  const TWitryna witryna_;
  const TSrodowiskoAktualizacji srodowisko_;
};

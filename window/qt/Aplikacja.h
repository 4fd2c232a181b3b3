#pragma once

#include <QApplication>
#include <QTranslator>

class TPulpit;

// The application object: its title, icon, fonts and Polish translation of Qt's own texts, and
// the last resort for an error that escapes Qt's own event handling outside the window's
// handlers.
class TAplikacja : public QApplication {
 public:
  TAplikacja(int& argc, char** argv, TPulpit& Pulpit);

  bool notify(QObject* Odbiorca, QEvent* Zdarzenie) override;

 private:
  TPulpit& pulpit_;
  QTranslator tlumaczenieQt_;
};

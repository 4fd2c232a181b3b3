#pragma once

#include <QApplication>
#include <exception>

class TPulpit;

// The application's title: the program's name on the desktop and the error box's caption.
inline constexpr char NazwaAplikacji[] = "Rozpoznik";

// Shows an error that escaped a handler in the application's error box, with the error's text.
void ZglosBladAplikacji(TPulpit& Pulpit, std::exception_ptr Blad);

// The application object: its title, icon and fonts, and the one place where an error that
// escapes an event handler is caught, so that none crosses Qt's event dispatch and the
// program goes on after the error box.
class TAplikacja : public QApplication {
 public:
  TAplikacja(int& argc, char** argv, TPulpit& Pulpit);

  bool notify(QObject* Odbiorca, QEvent* Zdarzenie) override;

 private:
  TPulpit& pulpit_;
};

#pragma once

#include <QApplication>
#include <exception>
#include <utility>

class TPulpit;

// The application's title: the program's name on the desktop and the error box's caption.
inline constexpr char NazwaAplikacji[] = "Rozpoznik";

// Shows an error that escaped a handler in the application's error box, with the error's text.
void ZglosBladAplikacji(TPulpit& Pulpit, std::exception_ptr Blad);

// Runs one of the window's handlers. An error that it lets out is shown in the application's
// error box right here, before it could unwind into Qt's widget code, which is built without
// exception support and would skip its own clean-up; the program then goes on.
template <class TObsluga>
void ObsluzZdarzenie(TPulpit& Pulpit, TObsluga&& Obsluga) {
  try {
    std::forward<TObsluga>(Obsluga)();
  } catch (...) {
    ZglosBladAplikacji(Pulpit, std::current_exception());
  }
}

// The application object: its title, icon and fonts, and the last resort for an error that
// escapes Qt's own event handling outside the window's handlers.
class TAplikacja : public QApplication {
 public:
  TAplikacja(int& argc, char** argv, TPulpit& Pulpit);

  bool notify(QObject* Odbiorca, QEvent* Zdarzenie) override;

 private:
  TPulpit& pulpit_;
};

#include "window/Aplikacja.h"

#include <QIcon>

#include "window/Czcionki.h"
#include "window/Pulpit.h"

void ZglosBladAplikacji(TPulpit& Pulpit, std::exception_ptr Blad) {
  try {
    std::rethrow_exception(Blad);
  } catch (const std::exception& blad) {
    // The engine's errors name paths and causes as the system gives them.
    Pulpit.PokazBlad(blad.what());
  } catch (...) {
    Pulpit.PokazBlad("Nieznany błąd.");
  }
}

TAplikacja::TAplikacja(int& argc, char** argv, TPulpit& Pulpit)
    : QApplication(argc, argv), pulpit_(Pulpit) {
  setApplicationName(QString::fromUtf8(NazwaAplikacji));
  setDesktopFileName(QStringLiteral("rozpoznik"));
  setWindowIcon(QIcon(QStringLiteral(":/zasoby/ikona.png")));
  ZarejestrujTahome();
}

bool TAplikacja::notify(QObject* Odbiorca, QEvent* Zdarzenie) {
  try {
    return QApplication::notify(Odbiorca, Zdarzenie);
  } catch (...) {
    ZglosBladAplikacji(pulpit_, std::current_exception());
    return false;
  }
}

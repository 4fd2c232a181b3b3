#include "window/qt/Aplikacja.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

#include "window/BladAplikacji.h"
#include "window/Teksty.h"
#include "window/qt/Czcionki.h"

TAplikacja::TAplikacja(int& argc, char** argv, TPulpit& Pulpit)
    : QApplication(argc, argv), pulpit_(Pulpit) {
  setApplicationName(QString::fromUtf8(NazwaAplikacji));
  setDesktopFileName(QStringLiteral("rozpoznik"));
  setWindowIcon(QIcon(QStringLiteral(":/zasoby/ikona.png")));
  ZarejestrujTahome();
  // The interface is Polish whatever the locale: the file dialog and Qt's buttons too.
  if (tlumaczenieQt_.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    installTranslator(&tlumaczenieQt_);
  }
}

bool TAplikacja::notify(QObject* Odbiorca, QEvent* Zdarzenie) {
  try {
    return QApplication::notify(Odbiorca, Zdarzenie);
  } catch (...) {
    ZglosBladAplikacji(pulpit_, std::current_exception());
    return false;
  }
}

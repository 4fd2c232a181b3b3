#pragma once

// What the window tests share: the application object around the test desktop, a window made
// for a test, and files on disk.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include "tests/window/PulpitTestowy.h"
#include "window/Aplikacja.h"
#include "window/Unit1.h"

// Not the built-in default, so that the tests see the address given to the window.
inline constexpr char AdresTestowy[] = "http://rozpoznik.test/";

// The update check's surroundings with no marker file: the site is never asked.
TSrodowiskoAktualizacji SrodowiskoBezZnacznika(const QTemporaryDir& Katalog);

// A window as the program makes it, shown and ready for input.
std::unique_ptr<TForm1> PokazaneOkno(TPulpitTestowy& Pulpit, const QTemporaryDir& Katalog);

// Writes `Tresc` to a new file in `Katalog` and returns its path.
QString ZapiszPlik(const QTemporaryDir& Katalog, const QString& Nazwa, const QByteArray& Tresc);

// The window as a lookup without candidates leaves it: the three result boxes empty, the scroll
// bar and the notice hidden, Pasek shown. Failures are recorded in the running test.
void SprawdzBezWyniku(const TForm1& Okno);

// The path as the engine takes it.
std::string Bajty(const QString& Sciezka);

// Runs a QTest class inside the program's own application object, with the test desktop
// standing in for the real one, so that errors escaping handlers go where they go in the
// program.
#define ROZPOZNIK_TEST_OKNA(KlasaTestu)       \
  int main(int argc, char** argv) {           \
    TPulpitTestowy pulpit;                    \
    TAplikacja aplikacja(argc, argv, pulpit); \
    KlasaTestu test(pulpit);                  \
    return QTest::qExec(&test, argc, argv);   \
  }

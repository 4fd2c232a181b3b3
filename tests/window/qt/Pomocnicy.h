#pragma once

// What the Qt window tests share: the application object around the test desktop, and a window
// made for a test.

#include <QTest>
#include <memory>
#include <string>

#include "tests/FolderTestowy.h"
#include "tests/window/PulpitTestowy.h"
#include "tests/window/SrodowiskoTestowe.h"
#include "window/qt/Aplikacja.h"
#include "window/qt/Unit1.h"

// A window as the program makes it, shown and ready for input.
std::unique_ptr<TForm1> PokazaneOkno(TPulpitTestowy& Pulpit, const TFolderTestowy& Folder);

// A path as Qt shows it.
QString WQt(const std::string& Sciezka);

bool TahomaZainstalowana();

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

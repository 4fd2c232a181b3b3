// Rozpoznik: tells what a file really is from its first bytes.

#include "update/Witryna.h"
#include "window/qt/Aplikacja.h"
#include "window/qt/PulpitQt.h"
#include "window/qt/Unit1.h"

int main(int argc, char** argv) {
  TPulpitQt pulpit;
  TAplikacja aplikacja(argc, argv, pulpit);
  TForm1 Form1(pulpit, WitrynaProgramu(), SrodowiskoProgramu());
  Form1.Uruchom();
  Form1.show();
  // The application has taken Qt's own options (-platform and the like) out of argv; the bytes
  // of a name stay as the file system has them.
  Form1.RozpoznajZWierszaPolecen({argv, argv + argc});
  return aplikacja.exec();
}

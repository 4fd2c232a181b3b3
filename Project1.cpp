// Rozpoznik: tells what a file really is from its first bytes.

#include "window/AdresBazowy.h"
#include "window/Aplikacja.h"
#include "window/PulpitQt.h"
#include "window/Unit1.h"

int main(int argc, char** argv) {
  TPulpitQt pulpit;
  TAplikacja aplikacja(argc, argv, pulpit);
  TForm1 Form1(pulpit, AdresBazowyWitryny, SrodowiskoProgramu());
  Form1.show();
  return aplikacja.exec();
}

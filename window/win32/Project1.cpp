// Rozpoznik: tells what a file really is from its first bytes. The Windows program.

#include <windows.h>

#include "update/SprawdzCzyNowaWersja.h"
#include "update/Witryna.h"
#include "window/win32/Aplikacja.h"
#include "window/win32/ArgumentyProgramu.h"
#include "window/win32/PulpitWin32.h"
#include "window/win32/Unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int Pokazanie) {
  TPulpitWin32 pulpit;
  TAplikacja Application;
  TForm1 Form1(pulpit, WitrynaProgramu(), SrodowiskoProgramu(), Application.Uchwyt());
  Form1.Uruchom();
  return Application.Run(Form1, Pokazanie,
                         [&Form1] { Form1.RozpoznajZWierszaPolecen(ArgumentyProgramu()); });
}

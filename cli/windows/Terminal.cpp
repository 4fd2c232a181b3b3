#include "cli/Terminal.h"

#include <windows.h>

bool BledyNaTerminal() {
  // The progress line is redrawn with escape sequences, which a console takes only once told
  // to; one that can't be told gets no progress line.
  const HANDLE bledy = GetStdHandle(STD_ERROR_HANDLE);
  DWORD tryb = 0;
  if (bledy == INVALID_HANDLE_VALUE || !GetConsoleMode(bledy, &tryb)) return false;
  return (tryb & ENABLE_VIRTUAL_TERMINAL_PROCESSING) ||
         SetConsoleMode(bledy, tryb | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

int SzerokoscTerminala() {
  CONSOLE_SCREEN_BUFFER_INFO dane{};
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &dane)) return 80;
  const int szerokosc = dane.srWindow.Right - dane.srWindow.Left + 1;
  return szerokosc > 0 ? szerokosc : 80;
}

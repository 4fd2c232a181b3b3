#include "cli/Terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

bool BledyNaTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

int SzerokoscTerminala() {
  winsize rozmiar{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &rozmiar) != 0 || rozmiar.ws_col == 0) return 80;
  return rozmiar.ws_col;
}

#include "cli/Programy.h"

#include "text/Cp1250.h"

bool DopiszProgramy(std::string& Wyjscie, const TOpisPliku& Wiersz, std::string_view Laczenie) {
  bool pierwszy = true;
  KazdyProgram(Wiersz.Programy.Tekst(), [&](std::string_view program) {
    if (!pierwszy) Wyjscie += Laczenie;
    cp1250::DopiszUtf8(Wyjscie, program);
    pierwszy = false;
  });
  return !pierwszy;
}

#include "window/WierszPolecen.h"

#include "window/OknoRozpoznika.h"

std::optional<std::string> PlikZWierszaPolecen(const std::vector<std::string>& Argumenty) {
  bool poOpcjach = false;
  for (std::size_t i = 1; i < Argumenty.size(); ++i) {
    const std::string& argument = Argumenty[i];
    if (argument.empty()) continue;
    if (!poOpcjach && argument.front() == '-') {
      if (argument == "--") poOpcjach = true;
      continue;
    }
    return argument;
  }
  return std::nullopt;
}

void TOknoRozpoznika::RozpoznajZWierszaPolecen(const std::vector<std::string>& Argumenty) {
  const std::optional<std::string> plik = PlikZWierszaPolecen(Argumenty);
  // Handed over as a drop is: identified as if chosen in the dialog, which offers it next.
  if (plik) Upuszczenie(TUpuszczenie{{*plik}});
}

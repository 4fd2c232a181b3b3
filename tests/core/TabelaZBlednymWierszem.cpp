// Never part of a program: tests hand this file to the compiler, which must refuse the table and
// name row 2, the row that breaks the rule chosen by BLAD. With WIERSZ_POPRAWIONY defined that
// row keeps every rule and the file compiles, which shows that nothing else in it is wrong.
//
// BLAD 1: out of order; 2: a category outside the vocabulary; 3: a program outside it; 4: the
// texts of row 1, whose signature begins its own.

#include <array>

#include "catalogue/ZasadyKatalogu.h"

namespace {

constexpr std::array<TWierszZrodlowy, 3> Wiersze = {{
    {"BMP", "424D", "Bitmapa Windows", "Obraz rastrowy", "XnView"},
    {"ZIP", "504B", "Archiwum ZIP", "Archiwum", "7zip"},
#if defined(WIERSZ_POPRAWIONY)
    {"RAR", "52617221", "Archiwum RAR", "Archiwum", "WinRAR"},
#elif BLAD == 1
    {"EXE", "4D5A", "Aplikacja Windows", "Aplikacja", "Microsoft Windows"},
#elif BLAD == 2
    {"RAR", "52617221", "Archiwum RAR", "Archiwa", "WinRAR"},
#elif BLAD == 3
    {"RAR", "52617221", "Archiwum RAR", "Archiwum", "WinRAR\runrar"},
#elif BLAD == 4
    {"ZIP", "504B0304", "Archiwum ZIP", "Archiwum", "7zip"},
#endif
}};

[[maybe_unused]] constexpr std::array<TOpisPliku, 3> Tabela =
    ZbudujSprawdzonaTabele<TRodzajTabeli::Sygnatur, Wiersze>();

}  // namespace

// Never part of a program: a test hands this file to the compiler, which must refuse the table
// and name row 2, the row that stands out of order. With WIERSZ_POPRAWIONY defined that row is
// in order and the file compiles, which shows that nothing else in it is wrong.

#include <array>

#include "catalogue/ZasadyKatalogu.h"

namespace {

constexpr std::array<TWierszZrodlowy, 3> Wiersze = {{
    {"BMP", "424D", "Bitmapa Windows", "Obraz rastrowy", "XnView"},
    {"ZIP", "504B", "Archiwum ZIP", "Archiwum", "7-Zip"},
#ifdef WIERSZ_POPRAWIONY
    {"RAR", "52617221", "Archiwum RAR", "Archiwum", "unrar"},
#else
    {"EXE", "4D5A", "Aplikacja Windows", "Aplikacja", "Wine"},
#endif
}};

[[maybe_unused]] constexpr std::array<TOpisPliku, 3> Tabela =
    ZbudujSprawdzonaTabele<TRodzajTabeli::Sygnatur, Wiersze>();

}  // namespace

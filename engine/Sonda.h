#pragma once

// The second look past the key: a probe is a constant rule of when it may run, where it reads and
// what it must find there, and the supplement row it names. The table is data the compiler
// checks, as the catalogue's rows are.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/SuplementSond.h"
#include "engine/TrafienieSondy.h"

// At most this many bytes are read by all the probes together for one file.
inline constexpr std::int64_t LimitOdczytuSond = 64 * 1024;
// How many of the key's leading bytes must be zero for "a start of zeros": disk images leave their
// first sectors to a boot loader, and a file of any other kind rarely starts so.
inline constexpr std::size_t ZeraNaPoczatku = 16;
// At most this many bytes at a probe's offset are kept for showing.
inline constexpr std::size_t BajtyDoPokazania = 32;

// When a probe may run; any condition that holds lets it. An ordinary file meets none, so it
// costs no read beyond the key.
struct TKiedySonda {
  std::string_view Poczatek{};  // the key fits these hex digits ("*" for any one); empty for none
  bool PoZerach = false;        // the key starts with ZeraNaPoczatku zero bytes
  bool GdyNicInnego = false;    // no row fitted the first 80 bytes
};

enum class TMiejsceSondy {
  OdPoczatku,  // Znak at Przesuniecie, then at each Krok after it
  OdKonca,     // Znak Przesuniecie bytes before the end of the file
  Czytanie,    // a function that reads its own way
};

struct TSonda {
  std::string_view Nazwa{};
  TKiedySonda Kiedy;
  TMiejsceSondy Miejsce = TMiejsceSondy::OdPoczatku;
  std::int64_t Przesuniecie = 0;
  // The bytes to find as hex digits, "*" for any one digit; a byte with both digits given is
  // pinned. Empty for a reading probe.
  std::string_view Znak{};
  // With Powtorzen > 1, Znak is looked for at Przesuniecie + k * Krok, k < Powtorzen: in all of
  // those places when Kazdy, in any one otherwise.
  std::int64_t Krok = 0;
  std::size_t Powtorzen = 1;
  bool Kazdy = false;
  TCzytanieSondy Czytanie = nullptr;
  // The most a reading probe reads; a probe whose bytes would pass the file's limit is not run.
  std::int64_t Najwiecej = 0;
  TWierszSondy Wiersz = TWierszSondy::Liczba;  // a reading probe names its row itself
};

// What one probe found, with the bytes at its offset (hex digits, up to BajtyDoPokazania) for
// showing why, and the mark they fitted; a reading probe's mark is its pinned bytes, all given.
struct TWynikSondy {
  TTrafienieSondy Trafienie;
  std::string Bajty;
  std::string_view Znak{};
};

using TWynikiSond = std::vector<TWynikSondy>;

inline constexpr std::size_t LiczbaSond = 22;
static_assert(LiczbaSond <= 32, "a probe's bit must fit TMaskiSond");
// The probes in the order their answers are appended.
extern const std::array<TSonda, LiczbaSond> TabelaSond;

// Which of the table's probes a key may run, bit i for probe i, so that a file meets only those:
// a key's first byte rules out most probes' leading digits.
struct TMaskiSond {
  // Those whose leading digits may fit a key of this first byte, or that run after a start of
  // zeros (byte 00).
  std::array<std::uint32_t, 256> PoPierwszymBajcie{};
  std::uint32_t GdyNicInnego = 0;  // those that run when no row fitted the first 80 bytes
  std::uint32_t Wszystkie = 0;     // for a key whose first byte the masks can't tell
};

extern const TMaskiSond MaskiTabeliSond;

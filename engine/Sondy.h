#pragma once

// The probes of today's formats, and running them on one file.

#include <array>
#include <cstdint>
#include <span>

#include "engine/ObslugaBaz.h"
#include "engine/Sonda.h"

// Appends to Kandydaci the rows of the probes that may run on this key and find their mark, in the
// table's order; a row already among the candidates is not repeated. Reads only through Plik's
// positional reads, at most LimitOdczytuSond bytes, never past its size. Nothing fitted the key
// when Kandydaci is empty on entry.
void DodajZSond(const TOpisPliku& Klucz, TPlikDoOdczytu& Plik, std::span<const TSonda> Sondy,
                TKandydaci& Kandydaci, TWynikiSond& Wyniki);

// Whether a probe's condition lets it run on this key; NicNiePasowalo when no row fitted it.
bool SondaMozeBiec(const TKiedySonda& Kiedy, std::string_view TekstKlucza, bool NicNiePasowalo);

// The catalogue's probes (TabelaSond) whose conditions this key may meet, as bits of
// MaskiTabeliSond: every probe that SondaMozeBiec lets run among them.
std::uint32_t MozliweSondyTabeli(std::string_view TekstKlucza, bool NicNiePasowalo);

// Reads exactly Bufor's size at Od, or says the file doesn't hold so many bytes there; never asks
// for a byte past the size the file had when opened.
bool CzytajDokladnie(TPlikDoOdczytu& Plik, std::int64_t Od, std::span<unsigned char> Bufor);

// Whether the key (hex digits) fits the condition's leading digits: "*" fits any one digit, and
// a key shorter than the digits fits none.
bool PasujePoczatek(std::string_view TekstKlucza, std::string_view Poczatek);

// Whether the bytes fit the hex digits of a probe's mark.
bool PasujeZnak(std::span<const unsigned char> Bajty, std::string_view Znak);

// How many bytes the mark pins: those with both digits given.
std::size_t PrzypieteZnaku(std::string_view Znak);

// A sector of a CD or DVD, and the first sector past the sixteen that ISO 9660 leaves to the
// system: the volume descriptors follow there, one a sector.
inline constexpr std::int64_t SektorPlyty = 2048;
inline constexpr std::int64_t PierwszyDeskryptorPlyty = 16 * SektorPlyty;

// The probes that read their own way.
bool SondaUdf(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);
bool SondaExt(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);
bool SondaId3(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);
bool SondaHdf5(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);

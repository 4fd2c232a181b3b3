#pragma once

// Candidate lookup: which catalogue descriptions fit a file's identification key.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "catalogue/TOpisPliku.h"
#include "catalogue/ZakresySzukania.h"
#include "engine/PlikDoOdczytu.h"
#include "engine/Sonda.h"

// The candidates of one lookup, in their fixed order: rows of the catalogue's tables, which live
// as long as the program.
using TKandydaci = std::vector<const TOpisPliku*>;

// One of the four parallel result lists; entry i of each belongs to candidate i.
using TListaTekstow = std::vector<std::string>;

// The text-content test could not open the file. The text is
// Cannot open file "<path>". <the system's description of the cause>
// with the path and the cause exactly as the file system and the system give them.
class EBladOtwarciaPliku : public std::runtime_error {
 public:
  explicit EBladOtwarciaPliku(const TPlikDoOdczytu& Plik);
};

// The text of EBladOtwarciaPliku for a path and the system's description of the cause.
std::string TekstBleduOtwarcia(std::string_view Sciezka, std::string_view Przyczyna);

// The tables of today's formats that the lookup adds behind the catalogue's own answers.
struct TSuplement {
  std::span<const TOpisPliku> Sygnatury;  // prefixes and patterns, tried in table order
  std::span<const TOpisPliku> Tekstowe;   // text formats by extension
  std::span<const TSonda> Sondy{};        // the second look past the key, for a file only
};

inline const TSuplement SuplementKatalogu{SuplementSygnatur, SuplementTekstowy, TabelaSond};
// The lookup as the catalogue's three tables alone answer it.
inline const TSuplement BezSuplementu{};

// A signature that pins this many bytes of a file is the file's own word even when the file is
// text named as a text format. Among the rows that fit printable text, those of 8 bytes or fewer
// are words and short marks that plain text starts with ("VERSION ", "#include", "true", "MAC ",
// "P1 ", "[", "/*", "10"); from 9 bytes on they are headers that only their format writes
// ("#!/bin/sh", "[autorun]", "BEGIN:VCARD", "<!DOCTYPE HTML PUBLIC", "-----BEGIN ...").
inline constexpr std::size_t BajtyRozstrzygajace = 9;

// Every catalogue row that fits the key: first the signature table (the row the search lands
// on, then the fitting rows behind it, then those before it), then the fitting patterns, then
// the supplement's fitting rows; and, only when the signature and pattern tables gave nothing and
// the file is text, the text table's formats with the file's extension, followed by the
// supplement's when none of its rows fitted either. When some candidate has the file's own
// extension, only such candidates stay. So the supplement never reorders nor hides an answer of
// the three tables, except where the file's own extension (the empty one included) names a
// supplement row that fits.
// A text file whose extension names a text format of either text table is that format first,
// when every signature that fits it is short (fewer than BajtyRozstrzygajace bytes pinned) and
// none has the file's extension: the text rows, both tables' in turn, stand before the fitting
// signatures, and the extension filter then keeps what has the file's own extension.
// A text file whose name has no extension gets, instead of those text rows, the row of the format
// its first lines show (WierszZTresci), when they show one; and that row also behind fitting
// signatures that all pin fewer than BajtyRozstrzygajace bytes, when the file can be read.
// A signature fits only the bytes the key holds (a short file's key is short); an empty key, the
// key of an empty file, has the one answer OpisPustegoPliku.
// The probes' rows follow all of these, before the extension filter; what each probe found is in
// `Sondy`.
// Returns whether any candidate was found. `Plik` serves the text test, which reads it from
// its start and throws EBladOtwarciaPliku when it is not open (the candidates are empty then),
// and the probes.
bool RozpoznajPlik(const TOpisPliku& Klucz, TPlikDoOdczytu& Plik, TKandydaci& Kandydaci,
                   TWynikiSond& Sondy, const TSuplement& Suplement = SuplementKatalogu);
bool RozpoznajPlik(const TOpisPliku& Klucz, TPlikDoOdczytu& Plik, TKandydaci& Kandydaci,
                   const TSuplement& Suplement = SuplementKatalogu);

// The same lookup for a key that no file stands behind: the text formats, which need the whole
// file, and the probes, which read past the key, are not looked at; everything else is found as
// for a file.
bool RozpoznajKlucz(const TOpisPliku& Klucz, TKandydaci& Kandydaci,
                    const TSuplement& Suplement = SuplementKatalogu);

// The same lookup with the file given by its name, into the four parallel lists.
bool RozpoznajPlik(const TOpisPliku& Klucz, const std::string& NazwaPliku,
                   TListaTekstow& ListaTypow, TListaTekstow& ListaRozszerzen,
                   TListaTekstow& ListaKategorii, TListaTekstow& ListaProgramow,
                   const TSuplement& Suplement = SuplementKatalogu);

// Fills the four parallel lists from the candidates, entry i of each from candidate i, each
// field copied as stored.
void WypelnijListy(const TKandydaci& Kandydaci, TListaTekstow& ListaTypow,
                   TListaTekstow& ListaRozszerzen, TListaTekstow& ListaKategorii,
                   TListaTekstow& ListaProgramow);

// Search by halving for a row whose signature begins the key; -1 when the probes meet none.
// A fitting row off the probe path is not found.
int SzukajSygnatury(const TOpisPliku& Klucz, std::span<const TOpisPliku> Tabela);

// The same search, from the bounds its first steps leave for a key of this first byte in this
// table (ZbudujZakresySzukania): it probes the same rows after them and lands on the same row.
int SzukajSygnatury(const TOpisPliku& Klucz, std::span<const TOpisPliku> Tabela,
                    TZakresSzukania Zakres);

// Whether the shorter of the two signatures begins the longer one.
bool ZgodnyPrefiks(const TOpisPliku& a, const TOpisPliku& b);

// Whether the row's signature is not greater than the key's: byte by byte, the first
// difference decides, a prefix comes before the longer text.
bool SygnaturaNieWieksza(const TOpisPliku& Wiersz, const TOpisPliku& Klucz);

// Whether the key text fits the pattern over the pattern's whole length; "*" on either side
// fits any one character, and past the key's end only "*" fits.
bool PasujeDoWzorca(std::string_view TekstKlucza, std::string_view Wzorzec);

// How many bytes of a file the row's signature pins: its byte positions with both digits fixed.
// A text format, found by its extension, pins none.
std::size_t PrzypieteBajty(const TOpisPliku& Wiersz);

// Whether no byte of the file is a control character other than backspace to carriage return
// (0x08 to 0x0D); an empty file is text. Reads the open file from its start; throws
// EBladOtwarciaPliku when it is not open.
bool CzyPlikTekstowy(TPlikDoOdczytu& Plik);

// Whether every byte that the key's hex digits (upper case) write out is text by the same test:
// a file whose key is not can't be text, and its content need not be read to know.
bool CzyTekstowyKlucz(std::string_view TekstKlucza);

// The same test on the file of that name, opened for it.
bool CzyPlikTekstowy(const std::string& NazwaPliku);

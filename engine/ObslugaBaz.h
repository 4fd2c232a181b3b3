#pragma once

// Candidate lookup: which catalogue descriptions fit a file's identification key.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "catalogue/TOpisPliku.h"
#include "engine/PlikDoOdczytu.h"

// The catalogue's tables, each with its own rule of fitting.
enum class TTabela {
  Sygnatur,  // the row's signature begins the key's hex text
  Wzorcow,   // the row's pattern fits the key's hex text
  Tekstowa,  // the file is text and the row has the file's extension
};

// One candidate: a catalogue row, which lives as long as the program, and the table whose rule
// made it fit. What fitted is the row's own signature or pattern, or, for a text format, its
// extension; this answers "why does it say that?".
struct TDopasowanie {
  const TOpisPliku* Wiersz = nullptr;
  TTabela Tabela = TTabela::Sygnatur;

  const TOpisPliku& operator*() const { return *Wiersz; }
  const TOpisPliku* operator->() const { return Wiersz; }
  // Code that wants only the row reads a candidate as its row.
  operator const TOpisPliku*() const { return Wiersz; }
};

// The candidates of one lookup, in their fixed order.
using TKandydaci = std::vector<TDopasowanie>;

// One of the four parallel result lists; entry i of each belongs to candidate i.
using TListaTekstow = std::vector<std::string>;

// The text-content test could not open the file. The text is
// Cannot open file "<path>". <the system's description of the cause>
// with the path and the cause exactly as the file system and the system give them.
class EBladOtwarciaPliku : public std::runtime_error {
 public:
  explicit EBladOtwarciaPliku(const TPlikDoOdczytu& Plik);
};

// Every catalogue row that fits the key: first the signature table (the row the search lands
// on, then the fitting rows behind it, then those before it), then the fitting patterns, and,
// only when neither gave anything and the file is text, the text formats with the file's
// extension. When some candidate has the file's own extension, only such candidates stay.
// Returns whether any candidate was found. `Plik` serves only the text test, which reads it from
// its start and throws EBladOtwarciaPliku when it is not open; the candidates are empty then.
bool RozpoznajPlik(const TOpisPliku& Klucz, TPlikDoOdczytu& Plik, TKandydaci& Kandydaci);

// The same lookup with the file given by its name, into the four parallel lists.
bool RozpoznajPlik(const TOpisPliku& Klucz, const std::string& NazwaPliku,
                   TListaTekstow& ListaTypow, TListaTekstow& ListaRozszerzen,
                   TListaTekstow& ListaKategorii, TListaTekstow& ListaProgramow);

// Fills the four parallel lists from the candidates, entry i of each from candidate i, each
// field copied as stored.
void WypelnijListy(const TKandydaci& Kandydaci, TListaTekstow& ListaTypow,
                   TListaTekstow& ListaRozszerzen, TListaTekstow& ListaKategorii,
                   TListaTekstow& ListaProgramow);

// Search by halving for a row whose signature begins the key; -1 when the probes meet none.
// A fitting row off the probe path is not found.
int SzukajSygnatury(const TOpisPliku& Klucz, std::span<const TOpisPliku> Tabela);

// Whether the shorter of the two signatures begins the longer one.
bool ZgodnyPrefiks(const TOpisPliku& a, const TOpisPliku& b);

// Whether the row's signature is not greater than the key's: byte by byte, the first
// difference decides, a prefix comes before the longer text.
bool SygnaturaNieWieksza(const TOpisPliku& Wiersz, const TOpisPliku& Klucz);

// Whether the key text fits the pattern over the pattern's whole length; "*" on either side
// fits any one character.
bool PasujeDoWzorca(std::string_view TekstKlucza, std::string_view Wzorzec);

// Whether no byte of the file is a control character other than backspace to carriage return
// (0x08 to 0x0D); an empty file is text. Reads the open file from its start; throws
// EBladOtwarciaPliku when it is not open.
bool CzyPlikTekstowy(TPlikDoOdczytu& Plik);

// The same test on the file of that name, opened for it.
bool CzyPlikTekstowy(const std::string& NazwaPliku);

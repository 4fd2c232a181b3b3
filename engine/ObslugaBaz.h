#pragma once

// Candidate lookup: which catalogue descriptions fit a file's identification key.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "catalogue/TOpisPliku.h"

// One of the four parallel result lists; entry i of each belongs to candidate i.
using TListaTekstow = std::vector<std::string>;

// The text-content test could not open the file. The text is
// Cannot open file "<full path>". <the system's description of the cause>
class EBladOtwarciaPliku : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Fills the lists with every catalogue row that fits the key: first the signature table (the
// row the search lands on, then the fitting rows behind it, then those before it), then the
// fitting patterns, and, only when neither gave anything and the file is text, the text formats
// with the file's extension. When some candidate has the file's own extension, only such
// candidates stay. Returns whether any candidate was found. `NazwaPliku` serves only the text
// test, which may throw EBladOtwarciaPliku; the lists are empty then.
bool RozpoznajPlik(const TOpisPliku& Klucz, const std::string& NazwaPliku,
                   TListaTekstow& ListaTypow, TListaTekstow& ListaRozszerzen,
                   TListaTekstow& ListaKategorii, TListaTekstow& ListaProgramow);

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
// (0x08 to 0x0D); an empty file is text. Throws EBladOtwarciaPliku when the file can't be opened.
bool CzyPlikTekstowy(const std::string& NazwaPliku);

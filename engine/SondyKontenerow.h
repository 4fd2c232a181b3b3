#pragma once

// Probes of three containers whose kind is written past the key: a Windows program's PE header
// (at the offset its DOS header names), a ZIP archive's central directory (found from the end)
// and an OLE2 compound file's directory (through its sector chain). Each answers with a row of
// SuplementKontenerow and reads at most 64 KiB, never past the file's end.

#include "engine/TrafienieSondy.h"

bool SondaPe(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);
bool SondaZip(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);
bool SondaOle2(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);

#pragma once

// The whole catalogue written out, so that users and reviewers can read what the program knows:
// every row of the three tables with its extension, signature, type, category and programs.

#include <string>

enum class TFormatListy { Tekst, Json, Csv };

// Rows of the signature table first, then the patterns, then the text formats, then the
// supplement's rows by leading digits and its text formats; each in table order, in UTF-8.
std::string ListaTypow(TFormatListy Format);

#pragma once

// How long the values of an unrecognised-file report may be. The program keeps its reports
// within these and the site refuses any report beyond them, so both sides take them from here.

#include <cstddef>

// The extension without its dot, in Windows-1250 characters.
inline constexpr std::size_t NajdluzszeRozszerzenie = 6;
// The file's first 10 bytes as upper-case hex digits.
inline constexpr std::size_t CyfryBajtowZgloszenia = 20;
// The desktop's name for the file's type, in Windows-1250 characters.
inline constexpr std::size_t NajdluzszyTyp = 80;

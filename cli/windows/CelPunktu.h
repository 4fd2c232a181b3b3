#pragma once

// The target of a link on Windows, read from the reparse point's data as FSCTL_GET_REPARSE_POINT
// gives it.

#include <cstddef>
#include <optional>
#include <string>

// The target in UTF-8 as the point holds it: for a symbolic link or a junction the name meant for
// people where there is one, else the name the system follows; for a WSL link its own bytes.
// Nothing for a point of another kind, or data too short for what it claims to hold.
std::optional<std::string> CelPunktu(const std::byte* Dane, std::size_t Dlugosc);

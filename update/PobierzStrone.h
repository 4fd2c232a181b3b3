#pragma once

#include <string>

// Appends the body of the page at `Url` to `Tekst` (emptied first) exactly as it arrives, zero
// bytes included, with the program's own file name as the agent name. Always true: a failure
// leaves what was read so far, and the caller judges by the text.
bool PobierzStrone(std::string& Tekst, const std::string& Url);

#pragma once

// The program's command line: which of its arguments names the file the window identifies at
// start, so that a file manager can hand a file over ("Open with", a context menu, Send To) and
// a drop on the program's icon works.

#include <optional>
#include <string>
#include <vector>

// `Argumenty` as the program got them, its own name first, the toolkit's options already taken
// out. The first argument that is no option names the file; the others are ignored, as a drop
// of several files gives the window none. An argument starting with "-" is an option, and the
// program has none of its own, so it is passed over; "--" ends the options, after it every
// argument is a name. An empty argument names nothing.
std::optional<std::string> PlikZWierszaPolecen(const std::vector<std::string>& Argumenty);

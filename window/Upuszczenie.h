#pragma once

// What a drop on the window carries, as the view found it, and which drops the window takes.

#include <optional>
#include <string>
#include <vector>

struct TUpuszczenie {
  // The dropped files' paths, as the file system gives them.
  std::vector<std::string> Pliki;
  // Something that is not a local file came with them (a web address, text).
  bool Inne = false;
};

// The one file a drop is taken for; nothing for several files, for none, or when anything but
// files came with it. A view asks this while the drop is offered, too, so that the pointer says
// the same as the window will.
std::optional<std::string> PlikUpuszczenia(const TUpuszczenie& Upuszczone);

#pragma once

// OpenDialog1: the desktop's file-open dialog, which offers the path chosen last.

#include <string>

class TPulpit;

class TOpenDialog {
 public:
  // The path chosen last, as the file system gives it; offered when the dialog opens.
  std::string FileName;

  // True when a file was chosen; FileName then holds it.
  bool Execute(TPulpit& Pulpit);
};

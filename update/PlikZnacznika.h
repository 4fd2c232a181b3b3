#pragma once

// The marker file beside the program, opened once for the whole update check: its last-write
// time is read from the file that was checked and set through that same opening, so that a
// file swapped in meanwhile, or one a link points to, is never re-dated. Nothing else about the
// file is read or changed. Each platform implements this in a source file of its own.

#include <cstdint>
#include <optional>
#include <string>

#include "update/TCzasLokalny.h"

class TPlikZnacznika {
 public:
  // Only a regular file that is not a symbolic link is a marker; anything else (missing, a
  // folder, a link, a pipe, a device) counts as none. It is checked before it is opened, and
  // opened for reading only, so that nothing here can block or touch a device. Never throws.
  explicit TPlikZnacznika(const std::string& Sciezka);
  ~TPlikZnacznika();
  TPlikZnacznika(const TPlikZnacznika&) = delete;
  TPlikZnacznika& operator=(const TPlikZnacznika&) = delete;

  bool Istnieje() const { return uchwyt_ >= 0; }

  // The last-write time in local time; nothing when there is no marker.
  std::optional<TCzasLokalny> CzasZapisu() const;

  // Sets only the last-write time, and only when the marker may be written to: one marked
  // read-only is left as it is, as Windows leaves a file with the read-only attribute. False
  // when the time stays as it was.
  bool UstawCzasZapisu(const TCzasLokalny& Czas);

 private:
  std::intptr_t uchwyt_ = -1;
};

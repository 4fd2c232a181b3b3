#pragma once

// An existing regular file opened for reading only, closed when the object goes. Each platform
// implements this in a source file of its own.

#include <cstddef>
#include <cstdint>
#include <string>

class TPlikDoOdczytu {
 public:
  // Never throws; Otwarty() tells whether it worked and OpisBledu() why not. Anything but a
  // regular file (a folder, a pipe, a device) counts as a file that can't be opened, so that
  // nothing here can block.
  explicit TPlikDoOdczytu(const std::string& Sciezka);
  ~TPlikDoOdczytu();
  TPlikDoOdczytu(const TPlikDoOdczytu&) = delete;
  TPlikDoOdczytu& operator=(const TPlikDoOdczytu&) = delete;

  bool Otwarty() const { return uchwyt_ >= 0; }
  // The system's description of why the file could not be opened.
  const std::string& OpisBledu() const { return opisBledu_; }

  // Bytes delivered, at most `ile`; 0 at the end of the file, -1 on a read error.
  std::int64_t Czytaj(void* Bufor, std::size_t Ile);
  // The size when the file was opened.
  std::int64_t Rozmiar() const { return rozmiar_; }

 private:
  std::intptr_t uchwyt_ = -1;
  std::int64_t rozmiar_ = 0;
  std::string opisBledu_;
};

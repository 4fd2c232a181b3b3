#pragma once

// An existing regular file opened for reading only, closed when the object goes. The key and
// the text-content test both read through one such opening, so that nothing can change the file
// between the two and one file costs one open. Each platform implements this in a source file of
// its own.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// A folder the caller holds open, as the platform's handle; files are opened relative to it.
enum class TUchwytFolderu : std::intptr_t {};

class TPlikDoOdczytu {
 public:
  // Never throws; Otwarty() tells whether it worked and OpisBledu() why not. Anything but a
  // regular file (a folder, a pipe, a device) counts as a file that can't be opened, and is
  // refused before it is opened, so that nothing here can block.
  explicit TPlikDoOdczytu(std::string Sciezka);
  // The file `Nazwa` of an open folder whose listing said it is a regular file, or, with
  // `ZaDowiazaniem`, a symbolic link to one: a name listed as a file that has become a link
  // meanwhile is refused, not followed. The listing stands for the check before opening; should
  // the name have become a pipe or device meanwhile, the opening can't block and the open file
  // is refused. `Sciezka` is the path that messages and the extension use.
  TPlikDoOdczytu(TUchwytFolderu Folder, const std::string& Nazwa, bool ZaDowiazaniem,
                 std::string Sciezka);
  ~TPlikDoOdczytu();
  TPlikDoOdczytu(const TPlikDoOdczytu&) = delete;
  TPlikDoOdczytu& operator=(const TPlikDoOdczytu&) = delete;

  // The path as it was given: the file system's bytes, unchanged.
  const std::string& Sciezka() const { return sciezka_; }
  // The path, handed over to a caller that keeps it after the reading is done; Sciezka() is empty
  // after this.
  std::string OddajSciezke() { return std::exchange(sciezka_, {}); }
  bool Otwarty() const { return uchwyt_ >= 0; }
  // The system's description of why the file could not be opened, as the system words it.
  const std::string& OpisBledu() const { return opisBledu_; }

  // Bytes delivered from offset `Od`, at most `Ile`; 0 at the end of the file, -1 on a read
  // error. Reads never move a shared position, so each reader starts where it means to.
  // The first read near the start brings the file's whole first block, and later reads within it
  // are served from there: the key wants 80 bytes and the text test then the whole file, which
  // for most text files is that one block, so one read request serves both.
  std::int64_t Czytaj(std::int64_t Od, void* Bufor, std::size_t Ile);
  // The size when the file was opened.
  std::int64_t Rozmiar() const { return rozmiar_; }

 private:
  static constexpr std::size_t RozmiarPoczatku = 4096;

  // Takes the platform's result of opening the file: keeps it when it is a regular file.
  void Przyjmij(std::intptr_t Wynik);
  // One read request to the system, repeated only when a signal cut it short.
  std::int64_t CzytajZSystemu(std::int64_t Od, void* Bufor, std::size_t Ile);

  std::string sciezka_;
  std::intptr_t uchwyt_ = -1;
  std::int64_t rozmiar_ = 0;
  std::string opisBledu_;
  std::int64_t dlugoscPoczatku_ = -1;  // -1 until the first block is read
  std::array<unsigned char, RozmiarPoczatku> poczatek_;
};

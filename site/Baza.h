#pragma once

// The site's one database file: the stored reports, each distinct report once with a count.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "site/Zgloszenie.h"

struct sqlite3;
struct sqlite3_stmt;

class EBladBazy : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TZapisanyWiersz {
  TZgloszenie Zgloszenie;
  std::int64_t Liczba = 0;  // how many times it came
  std::string Pierwsze;     // first and last arrival, "YYYY-MM-DDTHH:MM:SSZ"
  std::string Ostatnie;
};

// Safe to share between the server's threads: one connection, used by one thread at a time.
// Reports that arrive together are stored together: one thread commits all that wait, in one
// transaction and one sync of the disk, and each waits for the commit that holds its own.
class TBaza {
 public:
  // Opens or creates the file, in WAL mode with every commit synced to the disk before it
  // returns, so that a report once answered survives a power cut. Throws EBladBazy, also when the
  // file can't be kept that way.
  explicit TBaza(const std::string& Sciezka);
  ~TBaza();
  TBaza(const TBaza&) = delete;
  TBaza& operator=(const TBaza&) = delete;

  // Adds the report, or raises the count of the same report sent before, and returns once that
  // is on the disk. Throws EBladBazy.
  void Zapisz(const TZgloszenie& Zgloszenie, const std::string& Czas);

  // Every stored report, ordered by bytes, extension, then the most frequent first.
  std::vector<TZapisanyWiersz> Wiersze();

  // How the connection keeps the file, as SQLite reports it: "journal wal, synchronous 2".
  std::string Trwalosc();

 private:
  struct TPolecenie;
  struct TOczekujacy;
  // The pragma's value as text; empty when it can't be read.
  std::string Pragma(const char* Nazwa);
  // Stores the reports in one transaction: nothing of them, with the reason, when any fails.
  std::optional<std::string> ZapiszPartie(const std::vector<TOczekujacy*>& Partia);
  std::optional<std::string> Wykonaj(const char* Polecenie);

  sqlite3* baza_ = nullptr;
  std::unique_ptr<TPolecenie> zapis_;
  std::unique_ptr<TPolecenie> odczyt_;
  std::mutex straz_;  // of the connection

  std::mutex strazKolejki_;
  std::condition_variable zapisane_;
  std::vector<TOczekujacy*> kolejka_;  // reports that wait for the next commit
  bool zapisuje_ = false;              // a thread is committing a batch
};

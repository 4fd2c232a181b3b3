#pragma once

// The site's one database file: the stored reports, each distinct report once with a count.

#include <cstdint>
#include <memory>
#include <mutex>
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
class TBaza {
 public:
  // Opens or creates the file, in WAL mode. Throws EBladBazy.
  explicit TBaza(const std::string& Sciezka);
  ~TBaza();
  TBaza(const TBaza&) = delete;
  TBaza& operator=(const TBaza&) = delete;

  // Adds the report, or raises the count of the same report sent before. Throws EBladBazy.
  void Zapisz(const TZgloszenie& Zgloszenie, const std::string& Czas);

  // Every stored report, ordered by bytes, extension, then the most frequent first.
  std::vector<TZapisanyWiersz> Wiersze();

 private:
  struct TPolecenie;
  sqlite3* baza_ = nullptr;
  std::unique_ptr<TPolecenie> zapis_;
  std::unique_ptr<TPolecenie> odczyt_;
  std::mutex straz_;
};

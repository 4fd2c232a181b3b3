#include "site/Baza.h"

#include <sqlite3.h>

#include <exception>
#include <utility>

namespace {

constexpr const char* Schemat = R"sql(
CREATE TABLE IF NOT EXISTS zgloszenia (
  bajty TEXT NOT NULL,
  rozszerzenie TEXT NOT NULL,
  typ TEXT NOT NULL,
  rozmiar INTEGER NOT NULL,
  liczba INTEGER NOT NULL,
  pierwsze TEXT NOT NULL,
  ostatnie TEXT NOT NULL,
  PRIMARY KEY (bajty, rozszerzenie, typ, rozmiar)
) WITHOUT ROWID;
)sql";

constexpr const char* Zapis = R"sql(
INSERT INTO zgloszenia (bajty, rozszerzenie, typ, rozmiar, liczba, pierwsze, ostatnie)
VALUES (?1, ?2, ?3, ?4, 1, ?5, ?5)
ON CONFLICT (bajty, rozszerzenie, typ, rozmiar)
DO UPDATE SET liczba = liczba + 1, ostatnie = max(ostatnie, excluded.ostatnie);
)sql";

constexpr const char* Odczyt = R"sql(
SELECT bajty, rozszerzenie, typ, rozmiar, liczba, pierwsze, ostatnie FROM zgloszenia
ORDER BY bajty, rozszerzenie, liczba DESC, typ, rozmiar;
)sql";

// SQLite's value of PRAGMA synchronous for FULL.
constexpr const char* SynchronizacjaPelna = "2";

std::string Tekst(sqlite3_stmt* Polecenie, int Kolumna) {
  const auto* znaki = sqlite3_column_text(Polecenie, Kolumna);
  return znaki ? std::string(reinterpret_cast<const char*>(znaki),
                             static_cast<std::size_t>(sqlite3_column_bytes(Polecenie, Kolumna)))
               : std::string();
}

}  // namespace

// A prepared statement, reset after every use so that it holds no lock between requests.
struct TBaza::TPolecenie {
  sqlite3_stmt* Polecenie = nullptr;
  ~TPolecenie() { sqlite3_finalize(Polecenie); }
  void Wiaz(int Miejsce, const std::string& Wartosc) const {
    sqlite3_bind_text(Polecenie, Miejsce, Wartosc.data(), static_cast<int>(Wartosc.size()),
                      SQLITE_TRANSIENT);
  }
};

TBaza::TBaza(const std::string& Sciezka) {
  const auto blad = [&](const std::string& Co) {
    std::string opis = Co + " " + Sciezka + ": " + (baza_ ? sqlite3_errmsg(baza_) : "");
    zapis_.reset();
    odczyt_.reset();
    sqlite3_close(baza_);
    return EBladBazy(opis);
  };
  if (sqlite3_open_v2(Sciezka.c_str(), &baza_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    throw blad("cannot open database");
  }
  sqlite3_busy_timeout(baza_, 5000);
  // The thank-you page promises that the report is kept: each commit reaches the disk before the
  // answer goes. In WAL mode that costs one sync of the log per commit, and nothing is rewritten.
  for (const char* polecenie : {"PRAGMA journal_mode=WAL;", "PRAGMA synchronous=FULL;", Schemat}) {
    if (sqlite3_exec(baza_, polecenie, nullptr, nullptr, nullptr) != SQLITE_OK) {
      throw blad("cannot prepare database");
    }
  }
  // A file system without shared memory leaves the journal as it was, without a word.
  if (Pragma("journal_mode") != "wal" || Pragma("synchronous") != SynchronizacjaPelna) {
    throw blad("cannot keep reports durable in");
  }
  zapis_ = std::make_unique<TPolecenie>();
  odczyt_ = std::make_unique<TPolecenie>();
  if (sqlite3_prepare_v2(baza_, Zapis, -1, &zapis_->Polecenie, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(baza_, Odczyt, -1, &odczyt_->Polecenie, nullptr) != SQLITE_OK) {
    throw blad("cannot prepare statements in");
  }
}

TBaza::~TBaza() {
  zapis_.reset();
  odczyt_.reset();
  sqlite3_close(baza_);
}

struct TBaza::TOczekujacy {
  const TZgloszenie& Zgloszenie;
  const std::string& Czas;
  bool Gotowe = false;
  std::optional<std::string> Blad;
};

void TBaza::Zapisz(const TZgloszenie& Zgloszenie, const std::string& Czas) {
  // A sync of the disk costs about as much for many reports as for one. Whoever finds no commit
  // under way commits everything waiting, its own report included; the others wait, and the
  // reports that come meanwhile make the next batch.
  TOczekujacy moj{Zgloszenie, Czas, false, std::nullopt};
  std::unique_lock kolejka(strazKolejki_);
  kolejka_.push_back(&moj);
  while (!moj.Gotowe) {
    if (zapisuje_) {
      zapisane_.wait(kolejka);
      continue;
    }
    zapisuje_ = true;
    const std::vector<TOczekujacy*> partia = std::exchange(kolejka_, {});
    kolejka.unlock();
    std::optional<std::string> blad;
    try {
      blad = ZapiszPartie(partia);
    } catch (const std::exception& e) {
      blad = e.what();
    }
    kolejka.lock();
    for (TOczekujacy* oczekujacy : partia) {
      oczekujacy->Blad = blad;
      oczekujacy->Gotowe = true;
    }
    zapisuje_ = false;
    zapisane_.notify_all();
  }
  if (moj.Blad) throw EBladBazy("cannot store report: " + *moj.Blad);
}

std::optional<std::string> TBaza::Wykonaj(const char* Polecenie) {
  if (sqlite3_exec(baza_, Polecenie, nullptr, nullptr, nullptr) == SQLITE_OK) return std::nullopt;
  return sqlite3_errmsg(baza_);
}

std::optional<std::string> TBaza::ZapiszPartie(const std::vector<TOczekujacy*>& Partia) {
  const std::lock_guard blokada(straz_);
  if (auto blad = Wykonaj("BEGIN IMMEDIATE;")) return blad;
  sqlite3_stmt* p = zapis_->Polecenie;
  for (const TOczekujacy* oczekujacy : Partia) {
    const TZgloszenie& z = oczekujacy->Zgloszenie;
    zapis_->Wiaz(1, z.Bajty);
    zapis_->Wiaz(2, z.Rozszerzenie);
    zapis_->Wiaz(3, z.Typ);
    sqlite3_bind_int64(p, 4, z.Rozmiar);
    zapis_->Wiaz(5, oczekujacy->Czas);
    const int wynik = sqlite3_step(p);
    sqlite3_reset(p);
    sqlite3_clear_bindings(p);
    if (wynik != SQLITE_DONE) {
      Wykonaj("ROLLBACK;");
      return sqlite3_errstr(wynik);
    }
  }
  // A failed commit leaves the transaction open; it is rolled back so that the next batch starts
  // clean, and none of this one counts as stored.
  if (auto blad = Wykonaj("COMMIT;")) {
    Wykonaj("ROLLBACK;");
    return blad;
  }
  return std::nullopt;
}

std::string TBaza::Pragma(const char* Nazwa) {
  const std::string zapytanie = std::string("PRAGMA ") + Nazwa + ";";
  sqlite3_stmt* p = nullptr;
  std::string wartosc;
  if (sqlite3_prepare_v2(baza_, zapytanie.c_str(), -1, &p, nullptr) == SQLITE_OK &&
      sqlite3_step(p) == SQLITE_ROW) {
    wartosc = Tekst(p, 0);
  }
  sqlite3_finalize(p);
  return wartosc;
}

std::string TBaza::Trwalosc() {
  const std::lock_guard blokada(straz_);
  return "journal " + Pragma("journal_mode") + ", synchronous " + Pragma("synchronous");
}

std::vector<TZapisanyWiersz> TBaza::Wiersze() {
  const std::lock_guard blokada(straz_);
  sqlite3_stmt* p = odczyt_->Polecenie;
  std::vector<TZapisanyWiersz> wiersze;
  int wynik = SQLITE_ROW;
  while ((wynik = sqlite3_step(p)) == SQLITE_ROW) {
    TZapisanyWiersz w;
    w.Zgloszenie.Bajty = Tekst(p, 0);
    w.Zgloszenie.Rozszerzenie = Tekst(p, 1);
    w.Zgloszenie.Typ = Tekst(p, 2);
    w.Zgloszenie.Rozmiar = sqlite3_column_int64(p, 3);
    w.Liczba = sqlite3_column_int64(p, 4);
    w.Pierwsze = Tekst(p, 5);
    w.Ostatnie = Tekst(p, 6);
    wiersze.push_back(std::move(w));
  }
  sqlite3_reset(p);
  if (wynik != SQLITE_DONE)
    throw EBladBazy(std::string("cannot read reports: ") + sqlite3_errstr(wynik));
  return wiersze;
}

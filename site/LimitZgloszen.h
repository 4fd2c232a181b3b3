#pragma once

// How many reports one address may send: at most N within any 60 seconds.

#include <chrono>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

class TLimitZgloszen {
 public:
  using TChwila = std::chrono::steady_clock::time_point;

  // 0 lets everything through.
  explicit TLimitZgloszen(int NaMinute) : na_minute_(static_cast<std::size_t>(NaMinute)) {}

  // Whether a report from `Adres` at `Teraz` is still within the limit; counts it if so.
  bool Przepusc(const std::string& Adres, TChwila Teraz);

 private:
  void Uprzatnij(TChwila Teraz);

  std::size_t na_minute_;
  std::mutex straz_;
  std::unordered_map<std::string, std::deque<TChwila>> ostatnie_;
  TChwila ostatnie_sprzatanie_{};
};

// The part of an address that one sender holds: the whole IPv4 address, the first 64 bits of
// an IPv6 one, which a single host gets at a time.
std::string AdresNadawcy(const std::string& Adres);

#include "site/LimitZgloszen.h"

namespace {

constexpr std::chrono::seconds Okno{60};

}  // namespace

bool TLimitZgloszen::Przepusc(const std::string& Adres, TChwila Teraz) {
  if (na_minute_ == 0) return true;
  const std::lock_guard blokada(straz_);
  Uprzatnij(Teraz);
  std::deque<TChwila>& chwile = ostatnie_[Adres];
  while (!chwile.empty() && Teraz - chwile.front() >= Okno) chwile.pop_front();
  if (chwile.size() >= na_minute_) return false;
  chwile.push_back(Teraz);
  return true;
}

// Addresses silent for a whole window are forgotten, at most once a window, so that the map
// stays as large as the last minute's senders.
void TLimitZgloszen::Uprzatnij(TChwila Teraz) {
  if (Teraz - ostatnie_sprzatanie_ < Okno) return;
  ostatnie_sprzatanie_ = Teraz;
  std::erase_if(ostatnie_, [&](const auto& para) {
    return para.second.empty() || Teraz - para.second.back() >= Okno;
  });
}

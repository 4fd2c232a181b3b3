#include "update/PobierzStrone.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstddef>
#include <memory>

#include "update/SciezkaProgramu.h"

namespace {

// The answer that matters is one byte; an endless or huge body must not eat the memory while
// the program starts.
constexpr std::size_t NajwiecejBajtow = 64 * 1024;
constexpr long CzasLaczeniaMs = 5'000;
constexpr long CzasCalegoZapytaniaMs = 10'000;
constexpr long NajwiecejPrzekierowan = 5;

bool CurlGotowy() {
  // libcurl's global set-up must run once, before any other call and never on two threads at
  // once; a function-local static gives both. It is never undone, as other parts may use it.
  static const bool gotowy = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return gotowy;
}

struct TZamknijAdres {
  void operator()(CURLU* Adres) const { curl_url_cleanup(Adres); }
};
struct TZamknijPolaczenie {
  void operator()(CURL* Polaczenie) const { curl_easy_cleanup(Polaczenie); }
};

// Any count other than `Ile` makes libcurl end the transfer; what was appended stays.
std::size_t Dopisz(char* Dane, std::size_t, std::size_t Ile, void* Tekst) noexcept {
  auto& tekst = *static_cast<std::string*>(Tekst);
  const std::size_t bierzemy = std::min(Ile, NajwiecejBajtow - tekst.size());
  try {
    tekst.append(Dane, bierzemy);
  } catch (...) {
    return 0;
  }
  return bierzemy == Ile ? Ile : 0;
}

}  // namespace

bool PobierzStrone(std::string& Tekst, const std::string& Url) {
  Tekst.clear();
  if (!CurlGotowy()) return true;

  // The transfer reads the parsed address, so the address is opened first and closed last.
  const std::unique_ptr<CURLU, TZamknijAdres> adres(curl_url());
  if (!adres || curl_url_set(adres.get(), CURLUPART_URL, Url.c_str(), 0) != CURLUE_OK) {
    return true;
  }
  const std::unique_ptr<CURL, TZamknijPolaczenie> polaczenie(curl_easy_init());
  if (!polaczenie) return true;

  CURL* const p = polaczenie.get();
  const std::string agent = SciezkaProgramu().NazwaPliku;
  curl_easy_setopt(p, CURLOPT_CURLU, adres.get());
  curl_easy_setopt(p, CURLOPT_USERAGENT, agent.c_str());
  curl_easy_setopt(p, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(p, CURLOPT_MAXREDIRS, NajwiecejPrzekierowan);
  // A redirect from a hostile site must not reach local files or other services.
  curl_easy_setopt(p, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(p, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(p, CURLOPT_CONNECTTIMEOUT_MS, CzasLaczeniaMs);
  curl_easy_setopt(p, CURLOPT_TIMEOUT_MS, CzasCalegoZapytaniaMs);
  // Time-outs by signal would reach into the caller's threads; the threaded resolver needs none.
  curl_easy_setopt(p, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(p, CURLOPT_WRITEFUNCTION, Dopisz);
  curl_easy_setopt(p, CURLOPT_WRITEDATA, &Tekst);
  // Whatever went wrong, the text holds what arrived before it; the caller judges by the text.
  curl_easy_perform(p);
  return true;
}

#include "update/PobierzStrone.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

#include "text/windows/Utf16.h"
#include "update/SciezkaProgramu.h"

namespace {

// The same limits as the download on Linux: the answer that matters is one byte, and the
// program waits for it while it starts.
constexpr std::size_t NajwiecejBajtow = 64 * 1024;
constexpr auto CzasLaczenia = std::chrono::milliseconds(5'000);
constexpr auto CzasCalegoZapytania = std::chrono::milliseconds(10'000);
constexpr int NajwiecejPrzekierowan = 5;
constexpr DWORD RozmiarBufora = 128;

using TZegar = std::chrono::steady_clock;

// Closes the handle when it goes out of scope, so that on every path out of the routine the
// request is closed before its connection and the connection before the session.
class TUchwyt {
 public:
  explicit TUchwyt(HINTERNET Uchwyt) : uchwyt_(Uchwyt) {}
  ~TUchwyt() {
    if (uchwyt_ != nullptr) InternetCloseHandle(uchwyt_);
  }
  TUchwyt(const TUchwyt&) = delete;
  TUchwyt& operator=(const TUchwyt&) = delete;
  HINTERNET get() const { return uchwyt_; }

 private:
  HINTERNET uchwyt_;
};

struct TAdres {
  bool Bezpieczny;  // https
  std::wstring Host;
  INTERNET_PORT Port;
  std::wstring Sciezka;  // with the query
};

// WinINet would also fetch ftp: and file: addresses; only http and https are taken, also where
// a redirect points.
std::optional<TAdres> RozbierzAdres(const std::wstring& Adres) {
  URL_COMPONENTSW czesci{};
  czesci.dwStructSize = sizeof czesci;
  czesci.dwHostNameLength = 1;
  czesci.dwUrlPathLength = 1;
  czesci.dwExtraInfoLength = 1;
  if (!InternetCrackUrlW(Adres.c_str(), static_cast<DWORD>(Adres.size()), 0, &czesci)) {
    return std::nullopt;
  }
  if (czesci.nScheme != INTERNET_SCHEME_HTTP && czesci.nScheme != INTERNET_SCHEME_HTTPS) {
    return std::nullopt;
  }
  if (czesci.dwHostNameLength == 0) return std::nullopt;
  std::wstring sciezka(czesci.lpszUrlPath, czesci.dwUrlPathLength);
  sciezka.append(czesci.lpszExtraInfo, czesci.dwExtraInfoLength);
  if (sciezka.empty()) sciezka = L"/";
  return TAdres{.Bezpieczny = czesci.nScheme == INTERNET_SCHEME_HTTPS,
                .Host = std::wstring(czesci.lpszHostName, czesci.dwHostNameLength),
                .Port = czesci.nPort,
                .Sciezka = std::move(sciezka)};
}

DWORD PozostaloMs(TZegar::time_point Koniec) {
  const auto zostalo =
      std::chrono::duration_cast<std::chrono::milliseconds>(Koniec - TZegar::now()).count();
  return static_cast<DWORD>(std::max<long long>(zostalo, 1));
}

void UstawOpcje(HINTERNET Uchwyt, DWORD Opcja, DWORD Wartosc) {
  InternetSetOptionW(Uchwyt, Opcja, &Wartosc, sizeof Wartosc);
}

// WinINet has no limit for a whole exchange, so each wait gets what is left of it. The limits
// are set on the request itself: Wine does not hand a session's on to its requests.
void UstawCzasOczekiwania(HINTERNET Zapytanie, TZegar::time_point Koniec) {
  UstawOpcje(Zapytanie, INTERNET_OPTION_SEND_TIMEOUT, PozostaloMs(Koniec));
  UstawOpcje(Zapytanie, INTERNET_OPTION_RECEIVE_TIMEOUT, PozostaloMs(Koniec));
}

DWORD KodOdpowiedzi(HINTERNET Zapytanie) {
  DWORD kod = 0;
  DWORD rozmiar = sizeof kod;
  if (!HttpQueryInfoW(Zapytanie, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &kod, &rozmiar,
                      nullptr)) {
    return 0;
  }
  return kod;
}

bool JestPrzekierowaniem(DWORD Kod) {
  return Kod == 301 || Kod == 302 || Kod == 303 || Kod == 307 || Kod == 308;
}

// The address a redirect points to, made whole against the address it came from.
std::optional<std::wstring> AdresPrzekierowania(HINTERNET Zapytanie, const std::wstring& Biezacy) {
  DWORD rozmiar = 0;
  HttpQueryInfoW(Zapytanie, HTTP_QUERY_LOCATION, nullptr, &rozmiar, nullptr);
  if (rozmiar == 0) return std::nullopt;
  std::wstring wskazany(rozmiar / sizeof(wchar_t) + 1, L'\0');
  if (!HttpQueryInfoW(Zapytanie, HTTP_QUERY_LOCATION, wskazany.data(), &rozmiar, nullptr)) {
    return std::nullopt;
  }
  wskazany.resize(rozmiar / sizeof(wchar_t));

  std::wstring pelny(INTERNET_MAX_URL_LENGTH + 1, L'\0');
  DWORD dlugosc = static_cast<DWORD>(pelny.size());
  if (!InternetCombineUrlW(Biezacy.c_str(), wskazany.c_str(), pelny.data(), &dlugosc,
                           ICU_NO_ENCODE)) {
    return std::nullopt;
  }
  pelny.resize(dlugosc);
  return pelny;
}

void CzytajTresc(HINTERNET Zapytanie, std::string& Tekst, TZegar::time_point Koniec) {
  char bufor[RozmiarBufora];
  while (TZegar::now() < Koniec) {
    UstawCzasOczekiwania(Zapytanie, Koniec);
    DWORD przeczytane = 0;
    const bool udane = InternetReadFile(Zapytanie, bufor, RozmiarBufora, &przeczytane);
    const std::size_t bierzemy = std::min<std::size_t>(przeczytane, NajwiecejBajtow - Tekst.size());
    Tekst.append(bufor, bierzemy);
    if (!udane || przeczytane == 0 || Tekst.size() == NajwiecejBajtow) return;
  }
}

}  // namespace

bool PobierzStrone(std::string& Tekst, const std::string& Url) {
  Tekst.clear();
  const auto koniec = TZegar::now() + CzasCalegoZapytania;

  std::optional<std::wstring> adres = NaUtf16(Url);
  if (!adres) return true;
  const std::wstring agent = NaUtf16(SciezkaProgramu().NazwaPliku).value_or(L"");
  const TUchwyt sesja(
      InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (sesja.get() == nullptr) return true;
  UstawOpcje(sesja.get(), INTERNET_OPTION_CONNECT_TIMEOUT,
             static_cast<DWORD>(CzasLaczenia.count()));

  // The request is made step by step rather than with InternetOpenUrl, so that its time limits
  // are in place before it is sent; redirects are followed here, each checked to stay on http
  // or https, at most as many as on Linux. No answer is taken from the cache or put there.
  for (int przekierowania = 0;; ++przekierowania) {
    const std::optional<TAdres> czesci = RozbierzAdres(*adres);
    if (!czesci) return true;
    const TUchwyt polaczenie(InternetConnectW(sesja.get(), czesci->Host.c_str(), czesci->Port,
                                              nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (polaczenie.get() == nullptr) return true;
    const DWORD flagi = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                        INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_AUTO_REDIRECT |
                        INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI |
                        (czesci->Bezpieczny ? INTERNET_FLAG_SECURE : 0);
    const TUchwyt zapytanie(HttpOpenRequestW(polaczenie.get(), L"GET", czesci->Sciezka.c_str(),
                                             nullptr, nullptr, nullptr, flagi, 0));
    if (zapytanie.get() == nullptr) return true;
    UstawOpcje(zapytanie.get(), INTERNET_OPTION_CONNECT_TIMEOUT,
               std::min(static_cast<DWORD>(CzasLaczenia.count()), PozostaloMs(koniec)));
    UstawCzasOczekiwania(zapytanie.get(), koniec);
    if (!HttpSendRequestW(zapytanie.get(), nullptr, 0, nullptr, 0)) return true;

    if (JestPrzekierowaniem(KodOdpowiedzi(zapytanie.get())) &&
        przekierowania < NajwiecejPrzekierowan) {
      adres = AdresPrzekierowania(zapytanie.get(), *adres);
      if (!adres) return true;
      continue;
    }
    // Whatever the status, the body is the page: the caller judges by the text.
    CzytajTresc(zapytanie.get(), Tekst, koniec);
    return true;
  }
}

#include "tests/core/PlikiTestowe.h"

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

TFolderTestowy::TFolderTestowy() {
  std::string wzor = (fs::temp_directory_path() / "rozpoznik-XXXXXX").string();
  if (::mkdtemp(wzor.data()) == nullptr) throw std::runtime_error("mkdtemp: " + wzor);
  folder_ = wzor;
  // Open to everyone, so that a test run as the user "nobody" reaches the files inside.
  fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
}

TFolderTestowy::~TFolderTestowy() {
  std::error_code blad;
  fs::remove_all(folder_, blad);
}

std::string TFolderTestowy::Sciezka(std::string_view nazwa) const {
  return (folder_ / fs::path(std::string(nazwa))).string();
}

std::string TFolderTestowy::Zapisz(std::string_view nazwa, std::string_view bajty) const {
  const std::string sciezka = Sciezka(nazwa);
  std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
  plik.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
  if (!plik.flush()) throw std::runtime_error("cannot write " + sciezka);
  return sciezka;
}

std::size_t LiczbaOtwartychDeskryptorow() {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

namespace {

constexpr int KodOdmowyZmianyUzytkownika = 3;
constexpr uid_t Nobody = 65534;

enum class TStanPotomka { Zakonczony, PrzekroczylCzas, OdmowaZmianyUzytkownika };

struct TWynikPotomka {
  TStanPotomka Stan = TStanPotomka::Zakonczony;
  std::string Wyjscie;
};

void ZapiszWszystko(int deskryptor, const std::string& tekst) {
  std::size_t zapisane = 0;
  while (zapisane < tekst.size()) {
    const ssize_t n = ::write(deskryptor, tekst.data() + zapisane, tekst.size() - zapisane);
    if (n <= 0) return;
    zapisane += static_cast<std::size_t>(n);
  }
}

// The child reports through a pipe and leaves with _exit, so that nothing of the test
// framework's own shutdown runs twice.
TWynikPotomka Potomek(const std::function<std::string()>& zadanie, bool jakoNobody,
                      std::chrono::seconds limit) {
  int rura[2];
  if (::pipe(rura) != 0) throw std::runtime_error("pipe");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    ::close(rura[0]);
    ::alarm(static_cast<unsigned>(limit.count()));
    if (jakoNobody &&
        (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) {
      ::_exit(KodOdmowyZmianyUzytkownika);
    }
    std::string wynik;
    try {
      wynik = zadanie();
    } catch (const std::exception& e) {
      wynik = std::string("exception: ") + e.what();
    }
    ZapiszWszystko(rura[1], wynik);
    ::_exit(0);
  }
  ::close(rura[1]);
  TWynikPotomka wynik;
  char bufor[4096];
  for (ssize_t n; (n = ::read(rura[0], bufor, sizeof bufor)) > 0;) {
    wynik.Wyjscie.append(bufor, static_cast<std::size_t>(n));
  }
  ::close(rura[0]);
  int stan = 0;
  ::waitpid(pid, &stan, 0);
  if (WIFSIGNALED(stan) && WTERMSIG(stan) == SIGALRM) {
    wynik.Stan = TStanPotomka::PrzekroczylCzas;
  } else if (WIFEXITED(stan) && WEXITSTATUS(stan) == KodOdmowyZmianyUzytkownika) {
    wynik.Stan = TStanPotomka::OdmowaZmianyUzytkownika;
  } else if (!WIFEXITED(stan) || WEXITSTATUS(stan) != 0) {
    // Shown in place of the task's answer, so that the comparison in the test fails loudly.
    wynik.Wyjscie = "child process ended abnormally, wait status " + std::to_string(stan);
  }
  return wynik;
}

}  // namespace

std::optional<std::string> WProcesieZLimitem(const std::function<std::string()>& zadanie,
                                             std::chrono::seconds limit) {
  TWynikPotomka wynik = Potomek(zadanie, false, limit);
  if (wynik.Stan == TStanPotomka::PrzekroczylCzas) return std::nullopt;
  return wynik.Wyjscie;
}

std::optional<std::string> BezPrawaOdczytu(const std::function<std::string()>& zadanie) {
  if (::geteuid() != 0) return zadanie();
  TWynikPotomka wynik = Potomek(zadanie, true, std::chrono::seconds(60));
  if (wynik.Stan == TStanPotomka::OdmowaZmianyUzytkownika) return std::nullopt;
  if (wynik.Stan == TStanPotomka::PrzekroczylCzas) return "child process did not finish";
  return wynik.Wyjscie;
}

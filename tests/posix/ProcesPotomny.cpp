#include "tests/ProcesPotomny.h"

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace {

constexpr int KodOdmowyZmianyUzytkownika = 3;

struct TUzytkownik {
  uid_t Uid;
  gid_t Gid;
};

// Looked up before the fork: the name service is not safe to call in the child.
std::optional<TUzytkownik> Nobody() {
  const passwd* wpis = ::getpwnam("nobody");
  if (wpis == nullptr) return std::nullopt;
  return TUzytkownik{wpis->pw_uid, wpis->pw_gid};
}

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

bool ZostanUzytkownikiem(const TUzytkownik& kto) {
  return ::setgroups(0, nullptr) == 0 && ::setgid(kto.Gid) == 0 && ::setuid(kto.Uid) == 0;
}

// The child reports through a pipe and leaves with _exit, so that nothing of the test
// framework's own shutdown runs twice. Without a user to become, the child runs as the parent.
TWynikPotomka Potomek(const std::function<std::string()>& zadanie,
                      const std::optional<TUzytkownik>& jako, std::chrono::seconds limit) {
  int rura[2];
  if (::pipe(rura) != 0) throw std::runtime_error("pipe");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    ::close(rura[0]);
    ::alarm(static_cast<unsigned>(limit.count()));
    if (jako && !ZostanUzytkownikiem(*jako)) ::_exit(KodOdmowyZmianyUzytkownika);
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
  TWynikPotomka wynik = Potomek(zadanie, std::nullopt, limit);
  if (wynik.Stan == TStanPotomka::PrzekroczylCzas) return std::nullopt;
  return wynik.Wyjscie;
}

std::optional<std::string> BezPrawaOdczytu(const std::function<std::string()>& zadanie) {
  if (::geteuid() != 0) return zadanie();
  const std::optional<TUzytkownik> nobody = Nobody();
  if (!nobody) return std::nullopt;
  TWynikPotomka wynik = Potomek(zadanie, nobody, std::chrono::seconds(60));
  if (wynik.Stan == TStanPotomka::OdmowaZmianyUzytkownika) return std::nullopt;
  if (wynik.Stan == TStanPotomka::PrzekroczylCzas) return "child process did not finish";
  return wynik.Wyjscie;
}

void OddajNobody(const std::filesystem::path& folder) {
  if (::geteuid() != 0) return;
  // Without the user the task is not run at all, so there is no one to hand the folder to.
  const std::optional<TUzytkownik> nobody = Nobody();
  if (!nobody) return;
  if (::chown(folder.c_str(), nobody->Uid, nobody->Gid) != 0) {
    throw std::runtime_error("chown " + folder.string());
  }
}

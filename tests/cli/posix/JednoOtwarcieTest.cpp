// rozpoznik-cli opens and reads each small file once, also a text file whose content test reads
// it to its end after the key: the kernel reports every opening and every read of the watched
// file.

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <string>

#include "UruchomProgram.h"
#include "tests/FolderTestowy.h"

namespace {

struct TDostepy {
  int Otwarcia = 0;
  int Odczyty = 0;
};

// How many times the file was opened and read since the watch began; the events are all in by
// the time the program has ended.
class TLicznikDostepow {
 public:
  explicit TLicznikDostepow(const std::string& Sciezka)
      : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0) inotify_add_watch(fd_, Sciezka.c_str(), IN_OPEN | IN_ACCESS);
  }
  ~TLicznikDostepow() {
    if (fd_ >= 0) ::close(fd_);
  }
  TLicznikDostepow(const TLicznikDostepow&) = delete;
  TLicznikDostepow& operator=(const TLicznikDostepow&) = delete;

  bool Gotowy() const { return fd_ >= 0; }

  TDostepy Dostepy() const {
    TDostepy dostepy;
    alignas(inotify_event) std::array<char, 4096> bufor;
    for (ssize_t n; (n = ::read(fd_, bufor.data(), bufor.size())) > 0;) {
      for (ssize_t i = 0; i < n;) {
        const auto* zdarzenie = reinterpret_cast<const inotify_event*>(bufor.data() + i);
        if (zdarzenie->mask & IN_OPEN) ++dostepy.Otwarcia;
        if (zdarzenie->mask & IN_ACCESS) ++dostepy.Odczyty;
        i += static_cast<ssize_t>(sizeof(inotify_event) + zdarzenie->len);
      }
    }
    return dostepy;
  }

 private:
  int fd_;
};

}  // namespace

TEST(JednoOtwarcie, PlikTekstowyOtwieranyICzytanyRazMimoTestuTresci) {
  const TFolderTestowy folder;
  // No signature or pattern fits it: the text test runs and finds it in the text table.
  const std::string sciezka = folder.Zapisz("notatka.txt", "Notatka zwykla\n");
  const TLicznikDostepow licznik(sciezka);
  ASSERT_TRUE(licznik.Gotowy());
  const TPrzebieg p = UruchomProgram(ROZPOZNIK_CLI, {"--json", sciezka}, folder.Sciezka());
  ASSERT_EQ(p.KodWyjscia, 0) << p.Bledy;
  ASSERT_NE(p.Wyjscie.find("\"extension\":\"TXT\",\"type\":\"Dokument tekstowy\""),
            std::string::npos)
      << p.Wyjscie;
  const TDostepy dostepy = licznik.Dostepy();
  EXPECT_EQ(dostepy.Otwarcia, 1);
  EXPECT_EQ(dostepy.Odczyty, 1) << "the key's read brings the whole small file for the text test";
}

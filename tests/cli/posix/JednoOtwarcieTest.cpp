// rozpoznik-cli opens each file once, also a text file whose content test reads it to its end
// after the key: the kernel reports every opening of the watched file.

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <string>

#include "UruchomProgram.h"
#include "tests/FolderTestowy.h"

namespace {

// How many times the file was opened since the watch began; the events are all in by the time
// the program has ended.
class TLicznikOtwarc {
 public:
  explicit TLicznikOtwarc(const std::string& Sciezka)
      : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0) inotify_add_watch(fd_, Sciezka.c_str(), IN_OPEN);
  }
  ~TLicznikOtwarc() {
    if (fd_ >= 0) ::close(fd_);
  }
  TLicznikOtwarc(const TLicznikOtwarc&) = delete;
  TLicznikOtwarc& operator=(const TLicznikOtwarc&) = delete;

  bool Gotowy() const { return fd_ >= 0; }

  int Otwarcia() const {
    int otwarcia = 0;
    alignas(inotify_event) std::array<char, 4096> bufor;
    for (ssize_t n; (n = ::read(fd_, bufor.data(), bufor.size())) > 0;) {
      for (ssize_t i = 0; i < n;) {
        const auto* zdarzenie = reinterpret_cast<const inotify_event*>(bufor.data() + i);
        if (zdarzenie->mask & IN_OPEN) ++otwarcia;
        i += static_cast<ssize_t>(sizeof(inotify_event) + zdarzenie->len);
      }
    }
    return otwarcia;
  }

 private:
  int fd_;
};

}  // namespace

TEST(JednoOtwarcie, PlikTekstowyOtwieranyRazMimoTestuTresci) {
  const TFolderTestowy folder;
  // No signature or pattern fits it: the text test runs and finds it in the text table.
  const std::string sciezka = folder.Zapisz("notatka.txt", "Notatka zwykla\n");
  const TLicznikOtwarc licznik(sciezka);
  ASSERT_TRUE(licznik.Gotowy());
  const TPrzebieg p = UruchomProgram(ROZPOZNIK_CLI, {"--json", sciezka}, folder.Sciezka());
  ASSERT_EQ(p.KodWyjscia, 0) << p.Bledy;
  ASSERT_NE(p.Wyjscie.find("\"extension\":\"TXT\",\"type\":\"Dokument tekstowy\""),
            std::string::npos)
      << p.Wyjscie;
  EXPECT_EQ(licznik.Otwarcia(), 1);
}

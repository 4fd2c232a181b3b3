#include "UruchomProgram.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::string CzytajPlik(const std::filesystem::path& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

}  // namespace

TPrzebieg UruchomProgram(const std::string& Program, const std::vector<std::string>& Argumenty,
                         const std::filesystem::path& Folder, const std::string& PlikWyjscia) {
  const std::string wyjscie = PlikWyjscia.empty() ? (Folder / "wyjscie.out").string() : PlikWyjscia;
  const std::string bledy = (Folder / "bledy.out").string();
  const std::string folder = Folder.string();

  posix_spawn_file_actions_t akcje;
  posix_spawn_file_actions_init(&akcje);
  posix_spawn_file_actions_addopen(&akcje, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&akcje, 1, wyjscie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&akcje, 2, bledy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addchdir_np(&akcje, folder.c_str());

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(Program.c_str()));
  for (const std::string& a : Argumenty) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int blad = posix_spawn(&pid, Program.c_str(), &akcje, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&akcje);
  if (blad != 0) throw std::runtime_error("cannot start " + Program);

  int stan = 0;
  while (waitpid(pid, &stan, 0) < 0 && errno == EINTR) {
  }
  TPrzebieg przebieg;
  if (PlikWyjscia.empty()) przebieg.Wyjscie = CzytajPlik(wyjscie);
  przebieg.Bledy = CzytajPlik(bledy);
  if (WIFEXITED(stan)) przebieg.KodWyjscia = WEXITSTATUS(stan);
  return przebieg;
}

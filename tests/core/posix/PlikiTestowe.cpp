#include "tests/core/PlikiTestowe.h"

#include <filesystem>
#include <iterator>

std::size_t LiczbaOtwartychDeskryptorow() {
  namespace fs = std::filesystem;
  return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

std::string OpisBrakuPliku() {
  return "No such file or directory";
}

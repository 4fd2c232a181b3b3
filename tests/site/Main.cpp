#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // The site under test is on this machine; a proxy from the environment must not stand between
  // it and the program's page download.
  for (const char* zmienna :
       {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
    unsetenv(zmienna);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

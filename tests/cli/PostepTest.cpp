#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Postep.h"

namespace {

using namespace std::chrono_literals;

struct TZamknijPlik {
  void operator()(std::FILE* plik) const { std::fclose(plik); }
};

std::string Zawartosc(std::FILE* plik) {
  std::string tekst(static_cast<std::size_t>(std::ftell(plik)), '\0');
  std::rewind(plik);
  tekst.resize(std::fread(tekst.data(), 1, tekst.size(), plik));
  std::fseek(plik, 0, SEEK_END);  // the next write goes on after what was read
  return tekst;
}

TEST(Postep, PojawiaSieDopieroPoSekundzieNaTerminaluZUcieczkaUcietyDoSzerokosciIZmazany) {
  const auto teraz = TPostep::TZegar::now();
  for (const bool wlaczony : {false, true}) {
    const std::unique_ptr<std::FILE, TZamknijPlik> plik(std::tmpfile());
    TPostep krotki(wlaczony, plik.get(), 80, teraz);
    krotki.Plik("a/b");
    krotki.Wyczysc();
    EXPECT_EQ(Zawartosc(plik.get()), "") << "a run shorter than a second leaves no trace";
  }

  const std::unique_ptr<std::FILE, TZamknijPlik> plik(std::tmpfile());
  TPostep postep(true, plik.get(), 30, teraz - 2s);
  postep.Plik("x\x1B]0;T\x07/bardzo-dlugi-folder/plik");
  const std::string linia = Zawartosc(plik.get());
  EXPECT_EQ(linia.rfind("\r\x1B[K1 files, ", 0), 0u) << linia;
  EXPECT_EQ(linia.find('\x07'), std::string::npos) << linia;
  EXPECT_EQ(linia.size(), 4 + 29u) << linia;
  postep.Wyczysc();
  EXPECT_EQ(Zawartosc(plik.get()), linia + "\r\x1B[K");

  const std::unique_ptr<std::FILE, TZamknijPlik> wylaczony(std::tmpfile());
  TPostep bezTerminala(false, wylaczony.get(), 80, teraz - 2s);
  bezTerminala.Plik("a/b");
  bezTerminala.Wyczysc();
  EXPECT_EQ(Zawartosc(wylaczony.get()), "");
}

}  // namespace

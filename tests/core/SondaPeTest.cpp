#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/core/SondyKontenerowTestowe.h"

namespace {

using enum TWierszKontenera;

class SondaPe : public TTestSondy {
 protected:
  const TOpisPliku* Pe(std::string_view Bajty) { return Odpowiedz(::SondaPe, Bajty); }
};

// The NSIS compiler put its data after the loader's last section, at this offset; the sample
// keeps the loader's first block and the data's first block, zeros between.
constexpr std::size_t DaneNsis = 91136;

std::string PlikInstalatoraNsis() {
  std::string bajty = Probka("instalator-nsis.poczatek");
  bajty.resize(DaneNsis);
  return bajty + Probka("instalator-nsis.doklejone");
}

std::size_t NaglowekPe(std::string_view Bajty) {
  return Czytaj32(Bajty, 0x3C);
}

TEST_F(SondaPe, RozpoznajeProgramyBibliotekiISterownikiZNarzedziMingwIMono) {
  const std::pair<std::string_view, TWierszKontenera> probki[] = {
      {"program32.exe", ProgramWindows32},
      {"okno64.exe", ProgramWindows64},
      {"biblioteka32.dll", BibliotekaDll32},
      {"biblioteka64.dll", BibliotekaDll64},
      {"sterownik.sys", SterownikWindows},
      {"aplikacja.efi", AplikacjaUefi},
      {"program-net.exe", ProgramDotNet},
      // A native program links to ntdll.dll, a driver to the kernel or to nothing.
      {"program-natywny.exe", ProgramWindows64},
      {"sterownik-jadra.sys", SterownikWindows},
  };
  for (const auto& [nazwa, wiersz] : probki) {
    const std::string bajty = Probka(nazwa);
    EXPECT_EQ(Pe(bajty), Wiersz(wiersz)) << nazwa;
    EXPECT_EQ(trafienie_.Przesuniecie, static_cast<std::int64_t>(NaglowekPe(bajty))) << nazwa;
  }
}

TEST_F(SondaPe, InstalatorNsisPoZnakuZaOstatniaSekcja) {
  std::string bajty = PlikInstalatoraNsis();
  EXPECT_EQ(Pe(bajty), Wiersz(InstalatorNsis));
  EXPECT_EQ(trafienie_.Przesuniecie, static_cast<std::int64_t>(DaneNsis + 4));
  // The mark one byte off leaves the loader, a 32-bit program.
  bajty[DaneNsis + 8] = 'n';
  EXPECT_EQ(Pe(bajty), Wiersz(ProgramWindows32));
  // So does data that the file doesn't reach.
  EXPECT_EQ(Pe(PlikInstalatoraNsis().substr(0, DaneNsis + 10)), Wiersz(ProgramWindows32));
}

TEST_F(SondaPe, SamorozpakowujaceArchiwaPoPoczatkuDoklejonychDanych) {
  const std::pair<std::string_view, TWierszKontenera> archiwa[] = {
      {{"7z\xBC\xAF\x27\x1C\x00\x04", 8}, Samorozpakowujace7z},
      {"Rar!\x1A\x07\x01", SamorozpakowujaceRar},
      {"PK\x03\x04\x14", SamorozpakowujaceZip},
  };
  for (const auto& [znak, wiersz] : archiwa) {
    std::string bajty = PlikInstalatoraNsis();
    bajty.replace(DaneNsis, 32, std::string(znak) + std::string(32 - znak.size(), '\0'));
    EXPECT_EQ(Pe(bajty), Wiersz(wiersz));
    EXPECT_EQ(trafienie_.Przesuniecie, static_cast<std::int64_t>(DaneNsis));
  }
}

// Older Inno Setup loaders point to their offset table from the DOS header, with the pointer's
// complement beside it.
TEST_F(SondaPe, InnoSetupPoZnakuWNaglowkuDos) {
  std::string bajty = Probka("program32.exe");
  bajty.replace(0x30, 4, "Inno");
  Zapisz32(bajty, 0x34, 0x1234);
  Zapisz32(bajty, 0x38, ~std::uint32_t{0x1234});
  EXPECT_EQ(Pe(bajty), Wiersz(InstalatorInnoSetup));
  Zapisz32(bajty, 0x38, ~std::uint32_t{0x1235});
  EXPECT_EQ(Pe(bajty), Wiersz(ProgramWindows32));
}

// A 32-bit image with one section that holds a resource tree: RCDATA, number 11111, one
// language, and the data it names.
std::string ObrazZZasobem(std::string_view Tabela) {
  std::string b(0x400, '\0');
  b.replace(0, 2, "MZ");
  Zapisz32(b, 0x3C, 0x80);
  b.replace(0x80, 4, std::string("PE\0\0", 4));
  Zapisz16(b, 0x84, 0x14C);
  Zapisz16(b, 0x86, 1);      // one section
  Zapisz16(b, 0x94, 0xE0);   // the optional header's size
  Zapisz16(b, 0x96, 0x102);  // an executable 32-bit image
  const std::size_t opcjonalny = 0x98;
  Zapisz16(b, opcjonalny, 0x10B);
  Zapisz16(b, opcjonalny + 68, 2);  // a window program
  Zapisz32(b, opcjonalny + 92, 16);
  Zapisz32(b, opcjonalny + 96 + 8 * 2, 0x1000);
  Zapisz32(b, opcjonalny + 96 + 8 * 2 + 4, 0x100);
  const std::size_t sekcja = opcjonalny + 0xE0;
  b.replace(sekcja, 5, ".rsrc");
  Zapisz32(b, sekcja + 8, 0x200);
  Zapisz32(b, sekcja + 12, 0x1000);
  Zapisz32(b, sekcja + 16, 0x200);
  Zapisz32(b, sekcja + 20, 0x200);
  const std::size_t z = 0x200;
  const auto katalog = [&](std::size_t Od, std::uint32_t Numer, std::uint32_t Cel) {
    Zapisz16(b, z + Od + 14, 1);
    Zapisz32(b, z + Od + 16, Numer);
    Zapisz32(b, z + Od + 20, Cel);
  };
  katalog(0x00, 10, 0x80000018);
  katalog(0x18, 11111, 0x80000030);
  katalog(0x30, 0x415, 0x48);
  Zapisz32(b, z + 0x48, 0x1000 + 0x58);
  Zapisz32(b, z + 0x4C, static_cast<std::uint32_t>(Tabela.size()));
  b.replace(z + 0x58, Tabela.size(), Tabela);
  return b;
}

TEST_F(SondaPe, InnoSetupPoTabeliWZasobach) {
  EXPECT_EQ(Pe(ObrazZZasobem("rDlPtS02\x87"
                             "eVx")),
            Wiersz(InstalatorInnoSetup));
  EXPECT_EQ(trafienie_.Przesuniecie, 0x258);
  EXPECT_EQ(Pe(ObrazZZasobem("rDlPtT02\x87"
                             "eVx")),
            Wiersz(ProgramWindows32));
}

TEST_F(SondaPe, ZnakPeOJedenBajtObokToNieProgramWindows) {
  std::string bajty = Probka("biblioteka64.dll");
  bajty[NaglowekPe(bajty) + 1] = 'F';
  EXPECT_EQ(Pe(bajty), nullptr);
  bajty = Probka("biblioteka64.dll");
  bajty[0] = 'N';
  EXPECT_EQ(Pe(bajty), nullptr);
}

// e_lfanew may point anywhere: before the file, past its end, so near the end that the header
// is cut, into the DOS header itself, far past the first block.
TEST_F(SondaPe, ELfanewWskazujacyDokadkolwiek) {
  const std::string dll = Probka("biblioteka64.dll");
  for (const std::uint32_t wskazanie :
       {0x80000000u, 0xFFFFFFFFu, 0x7FFFFFFFu, static_cast<std::uint32_t>(dll.size()),
        static_cast<std::uint32_t>(dll.size() - 10), 0u, 0x3Cu}) {
    std::string bajty = dll;
    Zapisz32(bajty, 0x3C, wskazanie);
    EXPECT_EQ(Pe(bajty), nullptr) << wskazanie;
  }
  // The same header moved past the first block still counts.
  std::string bajty = dll;
  const std::size_t naglowek = NaglowekPe(dll);
  bajty.resize(20000);
  bajty.replace(10000, 1024, dll.substr(naglowek, 1024));
  Zapisz32(bajty, 0x3C, 10000);
  EXPECT_EQ(Pe(bajty), Wiersz(BibliotekaDll64));
  EXPECT_EQ(trafienie_.Przesuniecie, 10000);

  EXPECT_EQ(Pe("MZ"), nullptr);
  EXPECT_EQ(Pe(dll.substr(0, 63)), nullptr);
}

TEST_F(SondaPe, NaglowekZeZlymiRozmiaramiNieWychodziPozaPlik) {
  const std::string dll = Probka("biblioteka64.dll");
  const std::size_t naglowek = NaglowekPe(dll);
  std::string bajty = dll;
  Zapisz16(bajty, naglowek + 6, 0xFFFF);  // sections far more than the loader takes
  EXPECT_EQ(Pe(bajty), nullptr);
  bajty = dll;
  Zapisz16(bajty, naglowek + 20, 0xFFFF);  // an optional header that reaches past the end
  EXPECT_EQ(Pe(bajty), nullptr);
  bajty = dll;
  Zapisz16(bajty, naglowek + 20, 2);  // too short to hold the subsystem
  EXPECT_EQ(Pe(bajty), nullptr);
  bajty = dll;
  Zapisz16(bajty, naglowek + 24, 0x10C);  // neither 32 nor 64 bits
  EXPECT_EQ(Pe(bajty), nullptr);
}

}  // namespace

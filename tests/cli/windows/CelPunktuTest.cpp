#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "cli/windows/CelPunktu.h"

namespace {

// A reparse point's data as the system gives it: the tag, the data's length, and the data.
std::vector<std::byte> Punkt(DWORD znacznik, const std::vector<std::byte>& tresc) {
  std::vector<std::byte> dane(8 + tresc.size());
  const WORD dlugosc = static_cast<WORD>(tresc.size());
  std::memcpy(dane.data(), &znacznik, 4);
  std::memcpy(dane.data() + 4, &dlugosc, 2);
  std::memcpy(dane.data() + 8, tresc.data(), tresc.size());
  return dane;
}

// A link's or junction's names: the name the system follows, then the one for people.
std::vector<std::byte> Nazwy(bool zFlagami, const std::wstring& zastepcza,
                             const std::wstring& wyswietlana) {
  const std::wstring tekst = zastepcza + wyswietlana;
  const WORD pola[4] = {0, static_cast<WORD>(zastepcza.size() * 2),
                        static_cast<WORD>(zastepcza.size() * 2),
                        static_cast<WORD>(wyswietlana.size() * 2)};
  std::vector<std::byte> tresc(sizeof pola + (zFlagami ? 4 : 0) + tekst.size() * 2);
  std::memcpy(tresc.data(), pola, sizeof pola);
  std::memcpy(tresc.data() + tresc.size() - tekst.size() * 2, tekst.data(), tekst.size() * 2);
  return tresc;
}

std::optional<std::string> Cel(const std::vector<std::byte>& dane) {
  return CelPunktu(dane.data(), dane.size());
}

TEST(CelPunktu, DowiazanieZlaczeIDowiazanieWslPodajaSwojeCeleWUtf8) {
  EXPECT_EQ(Cel(Punkt(IO_REPARSE_TAG_SYMLINK,
                      Nazwy(true, L"\\??\\C:\\Tajne\\ł.txt", L"C:\\Tajne\\ł.txt"))),
            "C:\\Tajne\\\xC5\x82.txt");
  EXPECT_EQ(Cel(Punkt(IO_REPARSE_TAG_SYMLINK, Nazwy(true, L"..\\inny", L""))), "..\\inny");
  EXPECT_EQ(Cel(Punkt(IO_REPARSE_TAG_MOUNT_POINT, Nazwy(false, L"\\??\\D:\\", L"D:\\"))), "D:\\");

  std::vector<std::byte> wsl(4 + 11);
  wsl[0] = std::byte{2};
  std::memcpy(wsl.data() + 4, "/etc/passwd", 11);
  EXPECT_EQ(Cel(Punkt(0xA000001D, wsl)), "/etc/passwd");
}

// The data comes from the file system, and a name's offset or length must not reach past it.
TEST(CelPunktu, InneRodzajeIDaneKrotszeNizDeklarujaNicNieDaja) {
  EXPECT_EQ(Cel(Punkt(0x9000001A, Nazwy(true, L"x", L"x"))), std::nullopt) << "a cloud file";
  EXPECT_EQ(Cel({}), std::nullopt);
  std::vector<std::byte> obciety = Punkt(IO_REPARSE_TAG_SYMLINK, Nazwy(true, L"abc", L"def"));
  obciety.resize(obciety.size() - 2);
  EXPECT_EQ(Cel(obciety), "abc") << "the name for people is cut short; the other is whole";
  obciety.resize(8 + 8 + 4 + 4);
  EXPECT_EQ(Cel(obciety), std::nullopt);
  EXPECT_EQ(Cel(Punkt(IO_REPARSE_TAG_MOUNT_POINT, std::vector<std::byte>(6))), std::nullopt);
}

}  // namespace

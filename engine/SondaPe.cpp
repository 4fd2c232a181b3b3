// A Windows program's kind is in its PE header, wherever the DOS header's e_lfanew puts it:
// the COFF characteristics say DLL or program, the optional header's magic 32 or 64 bits, its
// subsystem a driver or an EFI image, its CLR directory .NET. Installers and self-extracting
// archives are the loader's program with their data appended after the last section, or, for
// Inno Setup, an offset table the loader keeps among its resources.

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/SuplementKontenerow.h"
#include "engine/CzytnikSondy.h"
#include "engine/SondyKontenerow.h"

namespace {

using le::Liczba16;
using le::Liczba32;

constexpr std::uint16_t Pe32 = 0x10B;
constexpr std::uint16_t Pe32Plus = 0x20B;
constexpr std::uint16_t ObrazDll = 0x2000;
constexpr std::uint16_t PodsystemNatywny = 1;
constexpr std::uint16_t PodsystemAplikacjaEfi = 10;
constexpr std::uint16_t PodsystemSterownikEfi = 11;
constexpr std::uint16_t PodsystemSterownikEfiWykonania = 12;
constexpr std::size_t KatalogImportu = 1;
constexpr std::size_t KatalogZasobow = 2;
constexpr std::size_t KatalogClr = 14;
// The loader refuses more sections than this.
constexpr std::size_t NajwiecejSekcji = 96;
constexpr std::size_t DlugoscSekcji = 40;
constexpr std::size_t DlugoscCoff = 24;  // "PE\0\0" and the file header

struct TSekcja {
  std::uint32_t Adres;  // where it is mapped (RVA)
  std::uint32_t Dane;   // where its bytes begin in the file
  std::uint32_t DlugoscDanych;
};

struct TObrazPe {
  std::int64_t Naglowek = 0;  // where "PE\0\0" stands
  bool Dll = false;
  bool Bity64 = false;
  std::uint16_t Podsystem = 0;
  std::vector<std::array<std::uint32_t, 2>> Katalogi;  // RVA and size of each data directory
  std::vector<TSekcja> Sekcje;

  std::array<std::uint32_t, 2> Katalog(std::size_t i) const {
    return i < Katalogi.size() ? Katalogi[i] : std::array<std::uint32_t, 2>{0, 0};
  }

  // The file offset of an address in the loaded image; none when no section holds it.
  std::optional<std::int64_t> Przesuniecie(std::uint32_t Rva) const {
    for (const TSekcja& s : Sekcje) {
      if (Rva >= s.Adres && Rva - s.Adres < s.DlugoscDanych)
        return static_cast<std::int64_t>(s.Dane) + (Rva - s.Adres);
    }
    return std::nullopt;
  }

  // Where the appended data begins: the end of the last section's bytes in the file.
  std::int64_t KoniecSekcji() const {
    std::int64_t koniec = 0;
    for (const TSekcja& s : Sekcje) {
      if (s.DlugoscDanych > 0)
        koniec = std::max(koniec, static_cast<std::int64_t>(s.Dane) + s.DlugoscDanych);
    }
    return koniec;
  }
};

std::optional<TObrazPe> CzytajNaglowek(TCzytnikSondy& Czytnik, const unsigned char* Dos) {
  // e_lfanew is a signed field; a negative one points nowhere.
  const auto naglowek = static_cast<std::int32_t>(Liczba32(Dos + 0x3C));
  if (naglowek < 0) return std::nullopt;
  std::array<unsigned char, DlugoscCoff> coff{};
  if (!Czytnik.Czytaj(naglowek, coff)) return std::nullopt;
  if (std::memcmp(coff.data(), "PE\0\0", 4) != 0) return std::nullopt;

  TObrazPe obraz;
  obraz.Naglowek = naglowek;
  const std::size_t liczbaSekcji = std::min<std::size_t>(Liczba16(&coff[6]), NajwiecejSekcji);
  const std::uint16_t dlugoscOpcjonalnego = Liczba16(&coff[20]);
  obraz.Dll = (Liczba16(&coff[22]) & ObrazDll) != 0;

  // Only the fields up to the last standard data directory are read; a longer optional header
  // is allowed and its rest skipped.
  std::array<unsigned char, 240> opcjonalny{};
  const std::size_t czytany = std::min<std::size_t>(dlugoscOpcjonalnego, opcjonalny.size());
  const std::int64_t poCoff = std::int64_t{naglowek} + static_cast<std::int64_t>(DlugoscCoff);
  if (czytany < 2 || !Czytnik.Czytaj(poCoff, {opcjonalny.data(), czytany})) return std::nullopt;
  const std::uint16_t magia = Liczba16(opcjonalny.data());
  if (magia != Pe32 && magia != Pe32Plus) return std::nullopt;
  obraz.Bity64 = magia == Pe32Plus;
  const std::size_t polePodsystemu = 68;
  const std::size_t poleLiczbyKatalogow = obraz.Bity64 ? 108 : 92;
  if (czytany < poleLiczbyKatalogow + 4) return std::nullopt;
  obraz.Podsystem = Liczba16(&opcjonalny[polePodsystemu]);
  const std::size_t liczbaKatalogow = std::min<std::size_t>(
      Liczba32(&opcjonalny[poleLiczbyKatalogow]), (czytany - poleLiczbyKatalogow - 4) / 8);
  for (std::size_t i = 0; i < liczbaKatalogow; ++i) {
    const unsigned char* k = &opcjonalny[poleLiczbyKatalogow + 4 + 8 * i];
    obraz.Katalogi.push_back({Liczba32(k), Liczba32(k + 4)});
  }

  std::vector<unsigned char> sekcje(liczbaSekcji * DlugoscSekcji);
  if (!Czytnik.Czytaj(poCoff + dlugoscOpcjonalnego, sekcje)) return std::nullopt;
  for (std::size_t i = 0; i < liczbaSekcji; ++i) {
    const unsigned char* s = &sekcje[i * DlugoscSekcji];
    obraz.Sekcje.push_back({Liczba32(s + 12), Liczba32(s + 20), Liczba32(s + 16)});
  }
  return obraz;
}

// A native image is a kernel-mode driver when it links to the kernel (ntoskrnl.exe, hal.dll) or
// to nothing; the few user-mode native programs (smss.exe, autochk.exe) link to ntdll.dll alone.
// Wine's drivers link to both.
bool Sterownik(TCzytnikSondy& Czytnik, const TObrazPe& Obraz) {
  const std::uint32_t adres = Obraz.Katalog(KatalogImportu)[0];
  const auto import = Obraz.Przesuniecie(adres);
  if (adres == 0 || !import) return true;
  constexpr std::size_t DlugoscDeskryptora = 20;
  std::array<unsigned char, 16 * DlugoscDeskryptora> deskryptory{};
  const auto ile = static_cast<std::size_t>(std::clamp<std::int64_t>(
      Czytnik.Rozmiar() - *import, 0, static_cast<std::int64_t>(deskryptory.size())));
  const std::size_t pelnych = ile / DlugoscDeskryptora;
  if (!Czytnik.Czytaj(*import, {deskryptory.data(), pelnych * DlugoscDeskryptora})) return true;
  bool ntdll = false;
  for (std::size_t i = 0; i < pelnych; ++i) {
    // The list ends with a descriptor of zeros.
    const std::uint32_t adresNazwy = Liczba32(&deskryptory[i * DlugoscDeskryptora + 12]);
    if (adresNazwy == 0) break;
    const auto nazwa = Obraz.Przesuniecie(adresNazwy);
    std::array<unsigned char, 13> tekst{};
    const auto dlugosc = static_cast<std::size_t>(
        std::clamp<std::int64_t>(Czytnik.Rozmiar() - nazwa.value_or(0), 0, tekst.size()));
    if (!nazwa || !Czytnik.Czytaj(*nazwa, {tekst.data(), dlugosc})) continue;
    std::string biblioteka(tekst.begin(), std::ranges::find(tekst, '\0'));
    std::ranges::transform(biblioteka, biblioteka.begin(), [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (biblioteka == "ntoskrnl.exe" || biblioteka == "hal.dll") return true;
    ntdll = ntdll || biblioteka == "ntdll.dll";
  }
  return !ntdll;
}

// One level of a resource directory: the entry with the given number, as the offset (from the
// directory's start) it points to, its top bit telling a subdirectory.
std::optional<std::uint32_t> WpisZasobu(TCzytnikSondy& Czytnik, std::int64_t Zasoby,
                                        std::uint32_t Katalog, std::uint32_t Numer) {
  std::array<unsigned char, 16> naglowek{};
  if (!Czytnik.Czytaj(Zasoby + Katalog, naglowek)) return std::nullopt;
  const std::size_t nazwane = Liczba16(&naglowek[12]);
  const std::size_t liczbowe = std::min<std::size_t>(Liczba16(&naglowek[14]), 64);
  std::array<unsigned char, 64 * 8> wpisy{};
  if (!Czytnik.Czytaj(Zasoby + Katalog + 16 + 8 * static_cast<std::int64_t>(nazwane),
                      {wpisy.data(), liczbowe * 8}))
    return std::nullopt;
  for (std::size_t i = 0; i < liczbowe; ++i) {
    if (Liczba32(&wpisy[8 * i]) == Numer) return Liczba32(&wpisy[8 * i + 4]);
  }
  return std::nullopt;
}

// Inno Setup's loader finds its data through an offset table: older loaders point to it from
// offset 0x30 of the DOS header ("Inno", the pointer, its complement), newer ones keep it as
// resource 11111 of type RCDATA, beginning with "rDlPtS".
std::optional<std::int64_t> TabelaInnoSetup(TCzytnikSondy& Czytnik, const TObrazPe& Obraz,
                                            const unsigned char* Dos) {
  if (std::memcmp(Dos + 0x30, "Inno", 4) == 0 &&
      Liczba32(Dos + 0x34) == static_cast<std::uint32_t>(~Liczba32(Dos + 0x38)))
    return 0x30;
  const auto zasoby = Obraz.Przesuniecie(Obraz.Katalog(KatalogZasobow)[0]);
  if (Obraz.Katalog(KatalogZasobow)[0] == 0 || !zasoby) return std::nullopt;
  constexpr std::uint32_t Podkatalog = 0x80000000;
  std::uint32_t wpis = 0;
  for (const std::uint32_t numer : {10u, 11111u}) {
    const auto nastepny = WpisZasobu(Czytnik, *zasoby, wpis, numer);
    if (!nastepny || (*nastepny & Podkatalog) == 0) return std::nullopt;
    wpis = *nastepny & ~Podkatalog;
  }
  // The language level: the first entry, whichever language it is.
  std::array<unsigned char, 24> jezyk{};
  if (!Czytnik.Czytaj(*zasoby + wpis, jezyk)) return std::nullopt;
  if (Liczba16(&jezyk[12]) + Liczba16(&jezyk[14]) == 0) return std::nullopt;
  const std::uint32_t lisc = Liczba32(&jezyk[20]);
  if ((lisc & Podkatalog) != 0) return std::nullopt;
  std::array<unsigned char, 8> dane{};
  if (!Czytnik.Czytaj(*zasoby + lisc, dane)) return std::nullopt;
  const auto tabela = Obraz.Przesuniecie(Liczba32(dane.data()));
  std::array<unsigned char, 6> znak{};
  if (!tabela || !Czytnik.Czytaj(*tabela, znak) || std::memcmp(znak.data(), "rDlPtS", 6) != 0)
    return std::nullopt;
  return *tabela;
}

struct TDoklejone {
  std::string_view Znak;
  std::size_t Od;
  TWierszKontenera Wiersz;
};

// What the loaders look for after the last section. NSIS looks at every 512-byte boundary; its
// compiler puts the data at the first.
constexpr std::array<TDoklejone, 4> Doklejone = {{
    {{"\xEF\xBE\xAD\xDENullsoftInst", 16}, 4, TWierszKontenera::InstalatorNsis},
    {{"7z\xBC\xAF\x27\x1C", 6}, 0, TWierszKontenera::Samorozpakowujace7z},
    {{"Rar!\x1A\x07", 6}, 0, TWierszKontenera::SamorozpakowujaceRar},
    {{"PK\x03\x04", 4}, 0, TWierszKontenera::SamorozpakowujaceZip},
}};

bool SprawdzDoklejone(TCzytnikSondy& Czytnik, std::int64_t Koniec, TTrafienieSondy& Trafienie) {
  const std::int64_t wyrownany = (Koniec + 511) / 512 * 512;
  for (const std::int64_t od : {Koniec, wyrownany}) {
    std::array<unsigned char, 20> poczatek{};
    if (od <= 0 || !Czytnik.Czytaj(od, poczatek)) continue;
    for (const TDoklejone& d : Doklejone) {
      if (std::memcmp(&poczatek[d.Od], d.Znak.data(), d.Znak.size()) == 0) {
        Trafienie.Wiersz = &WierszKontenera(d.Wiersz);
        Trafienie.Przesuniecie = od + static_cast<std::int64_t>(d.Od);
        Trafienie.PrzypieteBajty = d.Znak.size();
        return true;
      }
    }
    if (od == wyrownany) break;
  }
  return false;
}

TWierszKontenera RodzajObrazu(TCzytnikSondy& Czytnik, const TObrazPe& Obraz) {
  using enum TWierszKontenera;
  switch (Obraz.Podsystem) {
    case PodsystemAplikacjaEfi:
      return AplikacjaUefi;
    case PodsystemSterownikEfi:
    case PodsystemSterownikEfiWykonania:
      return SterownikUefi;
    case PodsystemNatywny:
      if (Sterownik(Czytnik, Obraz)) return SterownikWindows;
      break;
    default:
      break;
  }
  const auto [clr, rozmiarClr] = Obraz.Katalog(KatalogClr);
  if (clr != 0 && rozmiarClr != 0) return Obraz.Dll ? BibliotekaDotNet : ProgramDotNet;
  if (Obraz.Dll) return Obraz.Bity64 ? BibliotekaDll64 : BibliotekaDll32;
  return Obraz.Bity64 ? ProgramWindows64 : ProgramWindows32;
}

}  // namespace

bool SondaPe(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie) {
  TCzytnikSondy czytnik(Plik);
  std::array<unsigned char, 64> dos{};
  if (!czytnik.Czytaj(0, dos) || dos[0] != 'M' || dos[1] != 'Z') return false;
  const auto obraz = CzytajNaglowek(czytnik, dos.data());
  if (!obraz) return false;

  Trafienie.Sonda = "PE";
  const TWierszKontenera rodzaj = RodzajObrazu(czytnik, *obraz);
  const bool program =
      rodzaj == TWierszKontenera::ProgramWindows32 || rodzaj == TWierszKontenera::ProgramWindows64;
  if (program) {
    if (const auto tabela = TabelaInnoSetup(czytnik, *obraz, dos.data())) {
      Trafienie.Wiersz = &WierszKontenera(TWierszKontenera::InstalatorInnoSetup);
      Trafienie.Przesuniecie = *tabela;
      Trafienie.PrzypieteBajty = *tabela == 0x30 ? 12 : 6;
      return true;
    }
    if (SprawdzDoklejone(czytnik, obraz->KoniecSekcji(), Trafienie)) return true;
  }
  Trafienie.Wiersz = &WierszKontenera(rodzaj);
  Trafienie.Przesuniecie = obraz->Naglowek;
  // The signature, the characteristics and the optional header's magic.
  Trafienie.PrzypieteBajty = 8;
  return true;
}

// The probes: where today's formats put their mark past the first 80 bytes. Each is checked while
// the program compiles, so that a bad edit fails the build with the probe and the rule named.

#include <array>
#include <string_view>

#include "engine/CzytnikSondy.h"
#include "engine/Sondy.h"
#include "engine/SondyKontenerow.h"

namespace {

enum class TZasadaSondy {
  Spelniona,
  BezNazwy,
  NazwaPowtorzona,
  BezWarunku,
  PoczatekSpozaHexIGwiazdki,
  ZnakPustyLubNieparzysty,
  ZnakSpozaHexIGwiazdki,
  ZnakDluzszyNizBufor,
  KrokKrotszyNizZnak,
  PrzedPoczatkiemLubZaKoncem,
  CzytanieBezFunkcjiLubLimitu,
  CzytanieZeZnakiem,
  BezWiersza,
  WiecejNizLimitOdczytu,
};

constexpr bool Hex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

constexpr bool HexIGwiazdki(std::string_view tekst) {
  for (const char c : tekst) {
    if (!Hex(c) && c != '*') return false;
  }
  return true;
}

constexpr TZasadaSondy SprawdzSonde(const TSonda& s) {
  if (s.Nazwa.empty()) return TZasadaSondy::BezNazwy;
  if (s.Kiedy.Poczatek.empty() && !s.Kiedy.PoZerach && !s.Kiedy.GdyNicInnego)
    return TZasadaSondy::BezWarunku;
  if (!HexIGwiazdki(s.Kiedy.Poczatek) || s.Kiedy.Poczatek.size() > 160)
    return TZasadaSondy::PoczatekSpozaHexIGwiazdki;
  if (s.Miejsce == TMiejsceSondy::Czytanie) {
    if (s.Najwiecej <= 0) return TZasadaSondy::CzytanieBezFunkcjiLubLimitu;
#ifndef __SANITIZE_ADDRESS__
    // GCC with AddressSanitizer can't compare a function's address with null in a constant
    // expression; every other build checks it.
    if (s.Czytanie == nullptr) return TZasadaSondy::CzytanieBezFunkcjiLubLimitu;
#endif
    if (!s.Znak.empty()) return TZasadaSondy::CzytanieZeZnakiem;
    if (s.Najwiecej + static_cast<std::int64_t>(BajtyDoPokazania) > LimitOdczytuSond)
      return TZasadaSondy::WiecejNizLimitOdczytu;
    return TZasadaSondy::Spelniona;
  }
  if (s.Znak.empty() || s.Znak.size() % 2 != 0) return TZasadaSondy::ZnakPustyLubNieparzysty;
  if (!HexIGwiazdki(s.Znak)) return TZasadaSondy::ZnakSpozaHexIGwiazdki;
  if (s.Znak.size() / 2 > 96) return TZasadaSondy::ZnakDluzszyNizBufor;
  const auto dlugosc = static_cast<std::int64_t>(s.Znak.size() / 2);
  if (s.Powtorzen == 0 || (s.Powtorzen > 1 && s.Krok < dlugosc))
    return TZasadaSondy::KrokKrotszyNizZnak;
  if (s.Przesuniecie < 0 || (s.Miejsce == TMiejsceSondy::OdKonca && s.Przesuniecie < dlugosc))
    return TZasadaSondy::PrzedPoczatkiemLubZaKoncem;
  if (s.Wiersz >= TWierszSondy::Liczba) return TZasadaSondy::BezWiersza;
  if (dlugosc * static_cast<std::int64_t>(s.Powtorzen) +
          static_cast<std::int64_t>(BajtyDoPokazania) >
      LimitOdczytuSond)
    return TZasadaSondy::WiecejNizLimitOdczytu;
  return TZasadaSondy::Spelniona;
}

struct TNaruszenieSondy {
  std::size_t Sonda;
  TZasadaSondy Zasada;
};

template <std::size_t N>
constexpr TNaruszenieSondy SprawdzSondy(const std::array<TSonda, N>& sondy) {
  for (std::size_t i = 0; i < N; ++i) {
    if (const TZasadaSondy z = SprawdzSonde(sondy[i]); z != TZasadaSondy::Spelniona) return {i, z};
    for (std::size_t j = 0; j < i; ++j) {
      if (sondy[j].Nazwa == sondy[i].Nazwa) return {i, TZasadaSondy::NazwaPowtorzona};
    }
  }
  return {N, TZasadaSondy::Spelniona};
}

// Instantiated with the first broken probe; the compiler's message names the probe's place in
// the table and the rule.
template <std::size_t Sonda, TZasadaSondy Zasada>
struct SondaTabeli {
  static_assert(Zasada == TZasadaSondy::Spelniona,
                "a probe breaks a rule: see SondaTabeli<probe, rule> above");
  static constexpr bool Poprawna = true;
};

// clang-format off
constexpr std::array<TSonda, LiczbaSond> Sondy = {{
    // tar names its first member at 0, whatever it is; the header's magic stands at 257: POSIX
    // "ustar\0" with version "00", GNU "ustar  \0".
    {.Nazwa = "tar-posix", .Kiedy = {.GdyNicInnego = true}, .Przesuniecie = 257, .Znak = "7573746172003030", .Wiersz = TWierszSondy::TarPosix},
    {.Nazwa = "tar-gnu", .Kiedy = {.GdyNicInnego = true}, .Przesuniecie = 257, .Znak = "7573746172202000", .Wiersz = TWierszSondy::TarGnu},
    // The primary volume descriptor: type 1, "CD001", version 1. A hybrid image starts with a
    // boot sector instead of zeros, which nothing else fits either.
    {.Nazwa = "iso9660", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Przesuniecie = PierwszyDeskryptorPlyty, .Znak = "01434430303101", .Wiersz = TWierszSondy::Iso9660},
    // UDF's descriptor "NSR02" or "NSR03" stands among the descriptors that follow, behind
    // "BEA01" and, on a bridge disc, behind the ISO 9660 ones.
    {.Nazwa = "udf", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Miejsce = TMiejsceSondy::Czytanie, .Czytanie = SondaUdf, .Najwiecej = 16 * 7},
    // ext2/3/4 leave the first 1024 bytes to a boot loader.
    {.Nazwa = "ext", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Miejsce = TMiejsceSondy::Czytanie, .Czytanie = SondaExt, .Najwiecej = 128},
    // Btrfs keeps its first superblock at 64 KiB, its magic "_BHRfS_M" 64 bytes in.
    {.Nazwa = "btrfs", .Kiedy = {.PoZerach = true}, .Przesuniecie = 65536 + 64, .Znak = "5F42485266535F4D", .Wiersz = TWierszSondy::Btrfs},
    // bcachefs keeps its superblock at 4 KiB, its magic UUID 24 bytes in: bcache's, which older
    // versions write, or bcachefs' own.
    {.Nazwa = "bcachefs", .Kiedy = {.PoZerach = true}, .Przesuniecie = 4096 + 24, .Znak = "C68573F64E1A45CA8265F57F48BA6D81", .Wiersz = TWierszSondy::Bcachefs},
    {.Nazwa = "bcachefs-2", .Kiedy = {.PoZerach = true}, .Przesuniecie = 4096 + 24, .Znak = "C68573F666CE90A9D96A60CF803DF7EF", .Wiersz = TWierszSondy::Bcachefs},
    // A FAT boot sector starts with a short jump; the file system type text stands at 54 for
    // FAT12 and FAT16, at 82 for FAT32, behind the extended boot signature 0x29.
    {.Nazwa = "fat12", .Kiedy = {.Poczatek = "EB"}, .Przesuniecie = 38, .Znak = "29" "******************************" "4641543132202020", .Wiersz = TWierszSondy::Fat12},
    {.Nazwa = "fat16", .Kiedy = {.Poczatek = "EB"}, .Przesuniecie = 38, .Znak = "29" "******************************" "4641543136202020", .Wiersz = TWierszSondy::Fat16},
    {.Nazwa = "fat32", .Kiedy = {.Poczatek = "EB"}, .Przesuniecie = 66, .Znak = "29" "******************************" "4641543332202020", .Wiersz = TWierszSondy::Fat32},
    // A GPT disk: the header "EFI PART" in the second sector, behind a protective MBR.
    {.Nazwa = "gpt", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Przesuniecie = 512, .Znak = "4546492050415254", .Wiersz = TWierszSondy::Gpt},
    // An MBR disk: four partition entries whose status byte is 0x00 or 0x80 (the low half zero),
    // then 0x55AA at 510.
    {.Nazwa = "mbr", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Przesuniecie = 446, .Znak = "*0******************************"
                                                                                                     "*0******************************"
                                                                                                     "*0******************************"
                                                                                                     "*0******************************55AA", .Wiersz = TWierszSondy::Mbr},
    // DICOM: a preamble of 128 bytes, mostly zeros, then "DICM".
    {.Nazwa = "dicom", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Przesuniecie = 128, .Znak = "4449434D", .Wiersz = TWierszSondy::Dicom},
    // A fixed VHD is the disk's bytes followed by the 512-byte footer, "conectix" first.
    {.Nazwa = "vhd", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Miejsce = TMiejsceSondy::OdKonca, .Przesuniecie = 512, .Znak = "636F6E6563746978", .Wiersz = TWierszSondy::Vhd},
    // Transport streams: the sync byte 0x47 opens every packet of 188 bytes, or every 192 where
    // Blu-ray puts a 4-byte time stamp before each.
    {.Nazwa = "mpeg-ts", .Kiedy = {.Poczatek = "47"}, .Znak = "47", .Krok = 188, .Powtorzen = 6, .Kazdy = true, .Wiersz = TWierszSondy::MpegTs},
    {.Nazwa = "m2ts", .Kiedy = {.Poczatek = "********47"}, .Przesuniecie = 4, .Znak = "47", .Krok = 192, .Powtorzen = 6, .Kazdy = true, .Wiersz = TWierszSondy::M2ts},
    // What follows an ID3v2 tag: MP3 or AAC frames, FLAC, Ogg.
    {.Nazwa = "id3", .Kiedy = {.Poczatek = "494433"}, .Miejsce = TMiejsceSondy::Czytanie, .Czytanie = SondaId3, .Najwiecej = 4 * 10 + 4096},
    // HDF5 behind a user block: the signature at 512, 1024, 2048 and so on.
    // The kind of a Windows program, of a ZIP container and of an OLE2 file is written in their
    // own structures: the PE header where the DOS header points, the central directory found
    // from the end, the directory's sectors.
    {.Nazwa = "pe", .Kiedy = {.Poczatek = "4D5A"}, .Miejsce = TMiejsceSondy::Czytanie, .Czytanie = SondaPe, .Najwiecej = BudzetSondy},
    {.Nazwa = "zip", .Kiedy = {.Poczatek = "504B0304"}, .Miejsce = TMiejsceSondy::Czytanie, .Czytanie = SondaZip, .Najwiecej = BudzetSondy},
    {.Nazwa = "ole2", .Kiedy = {.Poczatek = "D0CF11E0A1B11AE1"}, .Miejsce = TMiejsceSondy::Czytanie, .Czytanie = SondaOle2, .Najwiecej = BudzetSondy},
    {.Nazwa = "hdf5", .Kiedy = {.PoZerach = true, .GdyNicInnego = true}, .Miejsce = TMiejsceSondy::Czytanie, .Czytanie = SondaHdf5, .Najwiecej = 8 * 8},
}};
// clang-format on

constexpr TNaruszenieSondy Naruszenie = SprawdzSondy(Sondy);
static_assert(SondaTabeli<Naruszenie.Sonda, Naruszenie.Zasada>::Poprawna);

}  // namespace

constexpr std::array<TSonda, LiczbaSond> TabelaSond = Sondy;

namespace {

// Whether a condition's leading digits may fit a key of this first byte: "*" fits any digit, and
// a condition shorter than two digits leaves the rest open.
constexpr bool PoczatekMozePasowac(std::string_view poczatek, std::size_t bajt) {
  constexpr std::string_view cyfry = "0123456789ABCDEF";
  const char klucza[2] = {cyfry[bajt / 16], cyfry[bajt % 16]};
  for (std::size_t i = 0; i < 2 && i < poczatek.size(); ++i) {
    if (poczatek[i] != '*' && poczatek[i] != klucza[i]) return false;
  }
  return true;
}

template <std::size_t N>
constexpr TMaskiSond ZbudujMaskiSond(const std::array<TSonda, N>& sondy) {
  TMaskiSond maski;
  for (std::size_t i = 0; i < N; ++i) {
    const TKiedySonda& kiedy = sondy[i].Kiedy;
    const std::uint32_t bit = std::uint32_t{1} << i;
    maski.Wszystkie |= bit;
    if (kiedy.GdyNicInnego) maski.GdyNicInnego |= bit;
    for (std::size_t bajt = 0; bajt < maski.PoPierwszymBajcie.size(); ++bajt) {
      if ((kiedy.PoZerach && bajt == 0) ||
          (!kiedy.Poczatek.empty() && PoczatekMozePasowac(kiedy.Poczatek, bajt)))
        maski.PoPierwszymBajcie[bajt] |= bit;
    }
  }
  return maski;
}

}  // namespace

constexpr TMaskiSond MaskiTabeliSond = ZbudujMaskiSond(Sondy);

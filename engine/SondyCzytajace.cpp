// The probes that read their own way to the mark: through a header's fields, past a tag, at
// offsets that double.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/Katalog.h"
#include "engine/Sondy.h"

namespace {

std::uint32_t Le32(const unsigned char* b) {
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

void Trafiony(TTrafienieSondy& Trafienie, TWierszSondy Wiersz, std::int64_t Od,
              std::size_t Przypiete) {
  Trafienie.Wiersz = &WierszSondy(Wiersz);
  Trafienie.Przesuniecie = Od;
  Trafienie.PrzypieteBajty = Przypiete;
}

// The ext superblock at 1024: its magic 0xEF53 at 56, the three feature sets at 92, 96 and 100.
constexpr std::int64_t SuperblokExt = 1024;
constexpr std::size_t MagiaExt = 56;
// Features ext3 has beside ext2's: a journal.
constexpr std::uint32_t ExtDziennik = 0x4;
// Features ext2 and ext3 know: incompatible compression, file type, recovery, journal device and
// meta block groups; read-only sparse superblocks, large files, B-tree directories. Anything more
// (extents, 64 bits, flexible groups, checksums, huge files ...) is ext4's.
constexpr std::uint32_t NiezgodneExt3 = 0x1F;
constexpr std::uint32_t TylkoDoOdczytuExt3 = 0x7;
constexpr std::uint32_t UrzadzenieDziennika = 0x8;

// An ID3v2 header: "ID3", the major version 2 to 4, a revision, the flags and a syncsafe size.
constexpr std::size_t NaglowekId3 = 10;
constexpr std::uint8_t StopkaId3 = 0x10;
// Tags one after another, as some taggers leave them.
constexpr int NajwiecejZnacznikow = 4;
// What follows the tag may start behind padding that the size leaves out.
constexpr std::size_t BlokZaZnacznikiem = 4096;
// Where the first packet of an Ogg page with one segment begins.
constexpr std::size_t PakietOgg = 28;

// HDF5 looks for its superblock at 0, 512, 1024, 2048 and on; the places up to 64 KiB, as user
// blocks larger than that are rare and each place past the first block costs a read.
constexpr int MiejscaHdf5 = 8;

// The volume recognition sequence: descriptors of one sector each, "CD001" for ISO 9660, "BEA01"
// to "TEA01" around the others, "BOOT2" and "CDW02"; the sequence ends at the first other one.
constexpr std::array<std::string_view, 7> IdentyfikatoryPlyty = {"CD001", "BEA01", "TEA01", "BOOT2",
                                                                 "CDW02", "NSR02", "NSR03"};
constexpr int NajwiecejDeskryptorow = 16;

}  // namespace

bool SondaUdf(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie) {
  for (int n = 0; n < NajwiecejDeskryptorow; ++n) {
    const std::int64_t od = PierwszyDeskryptorPlyty + n * SektorPlyty;
    std::array<unsigned char, 7> d{};
    if (!CzytajDokladnie(Plik, od, d)) return false;
    const std::string_view id(reinterpret_cast<const char*>(&d[1]), 5);
    if (std::ranges::find(IdentyfikatoryPlyty, id) == IdentyfikatoryPlyty.end()) return false;
    if (id.starts_with("NSR")) {
      Trafiony(Trafienie, TWierszSondy::Udf, od, d.size());
      return true;
    }
  }
  return false;
}

bool SondaExt(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie) {
  std::array<unsigned char, 104> sb{};
  if (!CzytajDokladnie(Plik, SuperblokExt, sb)) return false;
  if (sb[MagiaExt] != 0x53 || sb[MagiaExt + 1] != 0xEF) return false;
  // A block of 1 KiB shifted by at most 6, at least one inode, revision 0 or 1: what mke2fs writes.
  if (Le32(&sb[24]) > 6 || Le32(&sb[0]) == 0 || Le32(&sb[76]) > 1) return false;
  const std::uint32_t zgodne = Le32(&sb[92]);
  const std::uint32_t niezgodne = Le32(&sb[96]);
  const std::uint32_t tylkoDoOdczytu = Le32(&sb[100]);
  if ((niezgodne & UrzadzenieDziennika) != 0) return false;
  TWierszSondy wiersz = TWierszSondy::Ext2;
  if ((niezgodne & ~NiezgodneExt3) != 0 || (tylkoDoOdczytu & ~TylkoDoOdczytuExt3) != 0) {
    wiersz = TWierszSondy::Ext4;
  } else if ((zgodne & ExtDziennik) != 0) {
    wiersz = TWierszSondy::Ext3;
  }
  Trafiony(Trafienie, wiersz, SuperblokExt + MagiaExt, 2);
  return true;
}

bool SondaId3(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie) {
  std::int64_t od = 0;
  for (int n = 0; n < NajwiecejZnacznikow; ++n) {
    std::array<unsigned char, NaglowekId3> b{};
    if (!CzytajDokladnie(Plik, od, b)) return false;
    if (b[0] != 'I' || b[1] != 'D' || b[2] != '3') break;
    if (b[3] < 2 || b[3] > 4 || ((b[6] | b[7] | b[8] | b[9]) & 0x80) != 0) return false;
    const std::int64_t rozmiar = (b[6] << 21) | (b[7] << 14) | (b[8] << 7) | b[9];
    od += static_cast<std::int64_t>(NaglowekId3) + rozmiar +
          ((b[5] & StopkaId3) != 0 ? static_cast<std::int64_t>(NaglowekId3) : 0);
  }
  if (od <= 0 || od >= Plik.Rozmiar()) return false;
  std::array<unsigned char, BlokZaZnacznikiem> blok{};
  const std::size_t ile = static_cast<std::size_t>(
      std::min<std::int64_t>(Plik.Rozmiar() - od, static_cast<std::int64_t>(blok.size())));
  if (!CzytajDokladnie(Plik, od, std::span(blok.data(), ile))) return false;
  std::size_t i = 0;
  while (i < ile && blok[i] == 0) ++i;
  if (i + 4 > ile) return false;
  const unsigned char* p = &blok[i];
  const std::int64_t gdzie = od + static_cast<std::int64_t>(i);
  if (p[0] == 'f' && p[1] == 'L' && p[2] == 'a' && p[3] == 'C') {
    Trafiony(Trafienie, TWierszSondy::FlacZaId3, gdzie, 4);
    return true;
  }
  if (p[0] == 'O' && p[1] == 'g' && p[2] == 'g' && p[3] == 'S') {
    // The first page's one segment is the codec's header packet: Vorbis names itself there.
    constexpr std::string_view Vorbis = "\x01vorbis";
    const bool vorbis =
        i + PakietOgg + Vorbis.size() <= ile &&
        std::string_view(reinterpret_cast<const char*>(p + PakietOgg), Vorbis.size()) == Vorbis;
    Trafiony(Trafienie, vorbis ? TWierszSondy::VorbisZaId3 : TWierszSondy::OggZaId3, gdzie, 4);
    return true;
  }
  if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return false;
  const unsigned wersja = (p[1] >> 3) & 3;  // 1 is reserved
  const unsigned warstwa = (p[1] >> 1) & 3;
  const unsigned szybkosc = p[2] >> 4;           // 15 is invalid
  const unsigned probkowanie = (p[2] >> 2) & 3;  // 3 is reserved
  // ADTS: MPEG version bit and layer 0 after twelve bits of sync.
  if ((p[1] & 0xF6) == 0xF0) {
    Trafiony(Trafienie, TWierszSondy::AacZaId3, gdzie, 2);
    return true;
  }
  if (wersja == 1 || warstwa != 1 || szybkosc == 15 || probkowanie == 3) return false;
  Trafiony(Trafienie, TWierszSondy::Mp3ZaId3, gdzie, 2);
  return true;
}

bool SondaHdf5(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie) {
  constexpr std::array<unsigned char, 8> Sygnatura = {0x89, 'H', 'D', 'F', '\r', '\n', 0x1A, '\n'};
  std::int64_t od = 512;
  for (int n = 0; n < MiejscaHdf5 && od < Plik.Rozmiar(); ++n, od *= 2) {
    std::array<unsigned char, 8> b{};
    if (!CzytajDokladnie(Plik, od, b)) return false;
    if (b == Sygnatura) {
      Trafiony(Trafienie, TWierszSondy::Hdf5ZBlokiem, od, Sygnatura.size());
      return true;
    }
  }
  return false;
}

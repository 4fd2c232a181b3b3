// Today's formats whose mark lies past the key: archives, disk and filesystem images, streams and
// files behind a tag or a user block. The probes that find them name these rows; the lookup
// appends them behind the answers of the first 80 bytes.

#include "catalogue/Katalog.h"
#include "catalogue/ZasadyKatalogu.h"

namespace {

struct TWierszZNazwa {
  TWierszSondy Nazwa;
  TWierszZrodlowy Wiersz;
};

// clang-format off
constexpr std::array<TWierszZNazwa, RozmiarSuplementuSond> WierszeZNazwami = {{
    {TWierszSondy::TarPosix, {"TAR", "", "Archiwum tar (POSIX ustar lub pax)", "Archiwum", "GNU tar\r7zip\rWinRAR\rPeaZip"}},
    {TWierszSondy::TarGnu, {"TAR", "", "Archiwum tar (GNU)", "Archiwum", "GNU tar\r7zip\rWinRAR\rPeaZip"}},
    {TWierszSondy::Iso9660, {"ISO", "", "Obraz płyty CD/DVD (ISO 9660)", "Obraz dysku", "Eksplorator Windows\rPowerISO\rUltraISO\r7zip"}},
    {TWierszSondy::Udf, {"ISO", "", "Obraz płyty w systemie plików UDF", "Obraz dysku", "Eksplorator Windows\rPowerISO\rUltraISO\r7zip"}},
    {TWierszSondy::Ext2, {"IMG", "", "Obraz systemu plików ext2", "Obraz dysku", "e2fsprogs\rGParted\r7zip"}},
    {TWierszSondy::Ext3, {"IMG", "", "Obraz systemu plików ext3", "Obraz dysku", "e2fsprogs\rGParted\r7zip"}},
    {TWierszSondy::Ext4, {"IMG", "", "Obraz systemu plików ext4", "Obraz dysku", "e2fsprogs\rGParted\r7zip"}},
    {TWierszSondy::Btrfs, {"IMG", "", "Obraz systemu plików Btrfs", "Obraz dysku", "btrfs-progs\rGParted"}},
    {TWierszSondy::Bcachefs, {"IMG", "", "Obraz systemu plików bcachefs", "Obraz dysku", "GParted"}},
    {TWierszSondy::Fat12, {"IMG", "", "Obraz systemu plików FAT12 (dyskietka)", "Obraz dysku", "dosfstools\rWinImage\r7zip"}},
    {TWierszSondy::Fat16, {"IMG", "", "Obraz systemu plików FAT16", "Obraz dysku", "dosfstools\rWinImage\r7zip"}},
    {TWierszSondy::Fat32, {"IMG", "", "Obraz systemu plików FAT32", "Obraz dysku", "dosfstools\rWinImage\r7zip"}},
    {TWierszSondy::Mbr, {"IMG", "", "Obraz dysku z tablicą partycji MBR", "Obraz dysku", "GParted\rZarządzanie dyskami\r7zip"}},
    {TWierszSondy::Gpt, {"IMG", "", "Obraz dysku z tablicą partycji GPT", "Obraz dysku", "GParted\rZarządzanie dyskami\r7zip"}},
    {TWierszSondy::Dicom, {"DCM", "", "Obraz medyczny DICOM", "Obraz rastrowy", "Weasis\rXnView"}},
    {TWierszSondy::Vhd, {"VHD", "", "Wirtualny dysk twardy VHD o stałym rozmiarze", "Obraz dysku", "Hyper-V\rVirtualBox\rZarządzanie dyskami\rqemu-img"}},
    {TWierszSondy::MpegTs, {"TS", "", "Strumień transportowy MPEG (TS, pakiety po 188 bajtów)", "Film", "VLC Player\rmpv\rFFmpeg"}},
    {TWierszSondy::M2ts, {"M2TS", "", "Strumień transportowy Blu-ray (M2TS, pakiety po 192 bajty)", "Film", "VLC Player\rmpv\rFFmpeg"}},
    {TWierszSondy::Mp3ZaId3, {"MP3", "", "Dźwięk MPEG Layer III (MP3) za znacznikiem ID3v2", "Plik dźwiękowy", "VLC Player\rfoobar2000\rWinamp\rAIMP\rAudacity"}},
    {TWierszSondy::AacZaId3, {"AAC", "", "Dźwięk AAC (strumień ADTS) za znacznikiem ID3v2", "Plik dźwiękowy", "VLC Player\rfoobar2000\rWinamp\rAIMP\rAudacity"}},
    {TWierszSondy::FlacZaId3, {"FLAC", "", "Dźwięk bezstratny FLAC za znacznikiem ID3v2", "Plik dźwiękowy", "foobar2000\rVLC Player\rWinamp\rAIMP\rAudacity"}},
    {TWierszSondy::OggZaId3, {"OGG", "", "Kontener Ogg za znacznikiem ID3v2", "Plik dźwiękowy", "VLC Player\rfoobar2000\rAudacity\rmpv"}},
    {TWierszSondy::VorbisZaId3, {"OGG", "", "Dźwięk Ogg Vorbis za znacznikiem ID3v2", "Plik dźwiękowy", "VLC Player\rfoobar2000\rAudacity\rmpv"}},
    {TWierszSondy::Hdf5ZBlokiem, {"H5", "", "Dane naukowe HDF5 z blokiem użytkownika", "Dane naukowe", "HDFView\rh5py"}},
}};
// clang-format on

// Each row stands at the place its name gives.
consteval std::array<TWierszZrodlowy, RozmiarSuplementuSond> Uporzadkowane() {
  std::array<TWierszZrodlowy, RozmiarSuplementuSond> wiersze{};
  for (std::size_t i = 0; i < RozmiarSuplementuSond; ++i) {
    if (static_cast<std::size_t>(WierszeZNazwami[i].Nazwa) != i)
      throw "a probe row stands out of its name's place";
    wiersze[i] = WierszeZNazwami[i].Wiersz;
  }
  return wiersze;
}

constexpr std::array<TWierszZrodlowy, RozmiarSuplementuSond> Wiersze = Uporzadkowane();

}  // namespace

constexpr std::array<TOpisPliku, RozmiarSuplementuSond> SuplementSond =
    ZbudujSprawdzonaTabele<TRodzajTabeli::SondSuplementu, Wiersze>();

#pragma once

// The rows that the second look past the key names. A probe refers to its row by this name, so
// that the probes' table and the rows can be written apart and still agree.

#include <cstddef>

enum class TWierszSondy : std::size_t {
  TarPosix,
  TarGnu,
  Iso9660,
  Udf,
  Ext2,
  Ext3,
  Ext4,
  Btrfs,
  Bcachefs,
  Fat12,
  Fat16,
  Fat32,
  Mbr,
  Gpt,
  Dicom,
  Vhd,
  MpegTs,
  M2ts,
  Mp3ZaId3,
  AacZaId3,
  FlacZaId3,
  OggZaId3,
  VorbisZaId3,
  Hdf5ZBlokiem,
  Liczba
};

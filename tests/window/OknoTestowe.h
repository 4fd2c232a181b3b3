#pragma once

// The window's behaviour with no view around it, against the test desktop.

#include <gtest/gtest.h>

#include <string>

#include "tests/FolderTestowy.h"
#include "tests/window/PulpitTestowy.h"
#include "tests/window/SrodowiskoTestowe.h"
#include "window/OknoRozpoznika.h"

// Counts how often a view would have drawn the state, and keeps the state it would have drawn
// last.
class TOknoTestowe : public TOknoRozpoznika {
 public:
  TOknoTestowe(TPulpit& Pulpit, const TFolderTestowy& Folder)
      : TOknoRozpoznika(Pulpit, TWitryna(AdresTestowy), SrodowiskoBezZnacznika(Folder)) {}

  int Odswiezenia = 0;
  TStanOkna Narysowany = Stan();

 protected:
  void PokazStan() override {
    ++Odswiezenia;
    Narysowany = Stan();
  }
};

// The window as a lookup without candidates leaves it: the three result boxes empty, the scroll
// bar and the notice hidden, Pasek shown.
inline void SprawdzBezWyniku(const TStanOkna& Stan) {
  EXPECT_EQ(Stan[TKontrolka::TypEdit].Tekst, "");
  EXPECT_EQ(Stan[TKontrolka::KategoriaEdit].Tekst, "");
  EXPECT_EQ(Stan[TKontrolka::ProgramyMemo].Tekst, "");
  EXPECT_FALSE(Stan[TKontrolka::ScrollBar1].Widoczna);
  EXPECT_FALSE(Stan[TKontrolka::InfoLabel].Widoczna);
  EXPECT_TRUE(Stan[TKontrolka::Pasek].Widoczna);
}

#pragma once

// What the tests of the engine on real files share; the counts and texts that differ between
// systems come from a source file for each.

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>

#include "engine/Klucz.h"
#include "tests/FolderTestowy.h"

// How many descriptors (on Windows, handles) the process holds open: a test compares the count
// before and after.
std::size_t LiczbaOtwartychDeskryptorow();

// The system's own words for a file that is not there.
std::string OpisBrakuPliku();

// A folder of the test's own, and whatever the test throws at the engine, nothing may stay open.
class TTestZPlikami : public testing::Test {
 protected:
  void SetUp() override { deskryptory_ = LiczbaOtwartychDeskryptorow(); }
  void TearDown() override { EXPECT_EQ(LiczbaOtwartychDeskryptorow(), deskryptory_); }

  TFolderTestowy folder_;

 private:
  std::size_t deskryptory_ = 0;
};

// The text of the EBladOtwarciaPliku that the action throws.
std::string BladOtwarcia(const std::function<void()>& Dzialanie);

// The key's hex text and size, for comparing in one go.
std::string Opis(const TOdczytPliku& Klucz);

inline const std::string SameZera(160, '0');

#pragma once

// One field of every candidate of the window's last lookup, read as one of the four parallel
// result lists that the handlers know: entry i belongs to candidate i. The lists are views of
// the one result the window keeps, so they can't fall out of step with it or with each other.

#include <cstddef>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "engine/ObslugaBaz.h"

class TListaWyniku {
 public:
  using TPole = std::string_view (*)(const TOpisPliku&);

  TListaWyniku(const TKandydaci& Kandydaci, TPole Pole) : kandydaci_(Kandydaci), pole_(Pole) {}

  std::size_t size() const { return kandydaci_.size(); }
  bool empty() const { return kandydaci_.empty(); }
  // The field as the catalogue stores it.
  std::string_view operator[](std::size_t i) const { return pole_(*kandydaci_[i]); }

 private:
  const TKandydaci& kandydaci_;
  TPole pole_;
};

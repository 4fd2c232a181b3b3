#pragma once

// A font the program made, deleted with the object: a control keeps the one it draws with, and
// a new one replaces it only after the control has taken the new one.

#include <windows.h>

#include <utility>

class TCzcionka {
 public:
  TCzcionka() = default;
  explicit TCzcionka(HFONT Czcionka) : czcionka_(Czcionka) {}
  TCzcionka(TCzcionka&& Inna) noexcept : czcionka_(std::exchange(Inna.czcionka_, nullptr)) {}
  TCzcionka& operator=(TCzcionka&& Inna) noexcept {
    std::swap(czcionka_, Inna.czcionka_);
    return *this;
  }
  ~TCzcionka() {
    if (czcionka_ != nullptr) DeleteObject(czcionka_);
  }

  HFONT Uchwyt() const { return czcionka_; }

 private:
  HFONT czcionka_ = nullptr;
};

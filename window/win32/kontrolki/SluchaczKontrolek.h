#pragma once

#include <exception>

#include "window/win32/kontrolki/Okno.h"

// What the window that holds the controls does for them.
class TSluchaczKontrolek {
 public:
  // Draws what lies below `Kontrolka` into `Dc`, whose origin is the control's top-left corner.
  virtual void RysujPod(HDC Dc, const TOkno& Kontrolka) const = 0;
  virtual void Kliknieta(const TOkno& Kontrolka) = 0;
  virtual void MyszNad(const TOkno& Kontrolka) = 0;
  virtual void MyszOpuscila(const TOkno& Kontrolka) = 0;
  virtual void BladObslugi(std::exception_ptr Blad) = 0;

 protected:
  ~TSluchaczKontrolek() = default;
};

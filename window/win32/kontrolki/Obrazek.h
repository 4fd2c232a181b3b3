#pragma once

// A picture from the program's resources, drawn at the control's size.

#include <optional>

#include "window/win32/kontrolki/Rysowana.h"

class TObrazek : public TRysowana {
 public:
  TObrazek() = default;
  ~TObrazek() override;

  void Wczytaj(const std::wstring& Zasob);
  // The picture's own size in pixels; none without a picture.
  std::optional<SIZE> Rozmiar() const;
  // Also for a control drawn over it.
  void RysujW(HDC Dc, const RECT& Gdzie) const;

 protected:
  void Rysuj(HDC Dc, const RECT& Obszar) override { RysujW(Dc, Obszar); }

 private:
  HBITMAP obraz_ = nullptr;
};

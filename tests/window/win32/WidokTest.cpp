// The Win32 window against the layout table and the window's behaviour: driven with window
// messages as the system sends them, read back from the controls themselves.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "tests/window/win32/Pomocnicy.h"
#include "text/Cp1250.h"
#include "window/Informacje.h"
#include "window/Teksty.h"

namespace {

std::wstring ZCp(std::string_view Cp1250) {
  return Szeroki(cp1250::NaUtf8(Cp1250));
}

LOGFONTW Czcionka(HWND Kontrolka) {
  LOGFONTW opis{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Kontrolka, WM_GETFONT, 0, 0)), sizeof(opis),
             &opis);
  return opis;
}

std::wstring Podpowiedz(HWND Okno, HWND Pole) {
  const HWND podpowiedzi = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
  std::wstring tekst(1024, L'\0');
  TTTOOLINFOW narzedzie{};
  narzedzie.cbSize = sizeof(narzedzie);
  narzedzie.hwnd = Okno;
  narzedzie.uId = reinterpret_cast<UINT_PTR>(Pole);
  narzedzie.lpszText = tekst.data();
  SendMessageW(podpowiedzi, TTM_GETTEXTW, tekst.size(), reinterpret_cast<LPARAM>(&narzedzie));
  tekst.resize(wcslen(tekst.c_str()));
  return tekst;
}

// How many pixels of the client area within `Obszar` are plainly red.
int CzerwonePiksele(HWND Okno, const RECT& Obszar) {
  const TObraz obraz = Zrzut(Okno);
  int ile = 0;
  for (int y = Obszar.top; y < Obszar.bottom; ++y) {
    for (int x = Obszar.left; x < Obszar.right; ++x) {
      const auto* p = &obraz.Piksele[static_cast<std::size_t>(y * obraz.Szerokosc + x) * 3];
      if (p[0] > 200 && p[1] < 80 && p[2] < 80) ++ile;
    }
  }
  return ile;
}

// What the system makes of a control's font: the face it really chose, and the width of the
// control's text in it.
struct TWybranaCzcionka {
  std::wstring Twarz;
  int SzerokoscTekstu = 0;
};
TWybranaCzcionka Wybrana(HWND Kontrolka) {
  const HDC dc = GetDC(Kontrolka);
  const HGDIOBJ poprzednia =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Kontrolka, WM_GETFONT, 0, 0)));
  wchar_t twarz[LF_FACESIZE]{};
  GetTextFaceW(dc, LF_FACESIZE, twarz);
  const std::wstring tekst = TekstKontrolki(Kontrolka);
  SIZE rozmiar{};
  GetTextExtentPoint32W(dc, tekst.c_str(), static_cast<int>(tekst.size()), &rozmiar);
  SelectObject(dc, poprzednia);
  ReleaseDC(Kontrolka, dc);
  return {twarz, static_cast<int>(rozmiar.cx)};
}

// Where a label's room ends: at the nearest control that starts right of the label's place in
// the table and shares some of its rows, or at the client area's edge. Pictures and lines lie
// behind the labels and do not count.
int KoniecMiejsca(const TOpisKontrolki& Etykieta) {
  const TProstokat& e = Etykieta.Polozenie;
  int koniec = OpisOkna.Szerokosc;
  for (const TOpisKontrolki& inna : UkladOkna) {
    const TProstokat& p = inna.Polozenie;
    if (&inna == &Etykieta || inna.Rodzaj == TRodzajKontrolki::Obraz ||
        inna.Rodzaj == TRodzajKontrolki::Linia) {
      continue;
    }
    const bool wspolneWiersze = p.Gora < e.Gora + e.Wysokosc && e.Gora < p.Gora + p.Wysokosc;
    if (wspolneWiersze && p.Lewa >= e.Lewa + e.Szerokosc) koniec = std::min(koniec, p.Lewa);
  }
  return koniec;
}

}  // namespace

// Every control where the table puts it, as the table starts it, in the table's fonts.
TEST_F(OknoWin32, KontrolkiJakWTabeli) {
  for (const TOpisKontrolki& opis : UkladOkna) {
    SCOPED_TRACE(std::string(opis.Nazwa));
    const HWND k = K(opis.Kontrolka);
    const RECT r = Polozenie(k);
    EXPECT_EQ(Widoczna(k), opis.NaStarcie);
    EXPECT_EQ(GetDlgCtrlID(k), static_cast<int>(Indeks(opis.Kontrolka)) + 1);
    if (opis.Rodzaj != TRodzajKontrolki::Etykieta || !opis.WysrodkowanaNaRamie) {
      EXPECT_EQ(r.left, opis.Polozenie.Lewa);
    }
    EXPECT_EQ(r.top, opis.Polozenie.Gora);
    EXPECT_EQ(r.bottom - r.top, opis.Polozenie.Wysokosc);
    // A label takes the width of its text: EtykietyNaSwoichMiejscach checks that it fits.
    if (opis.Rodzaj != TRodzajKontrolki::Etykieta) {
      EXPECT_EQ(r.right - r.left, opis.Polozenie.Szerokosc);
    }
    if (opis.Kontrolka == TKontrolka::Label6) {
      EXPECT_EQ(TekstKontrolki(k), Szeroki(opis.Tekst) + Szeroki(AdresTestowy));
    } else if (opis.Kontrolka != TKontrolka::InfoMemo) {
      EXPECT_EQ(TekstKontrolki(k), Szeroki(opis.Tekst));
    }
    if (opis.Czcionka > 0) {
      const LOGFONTW czcionka = Czcionka(k);
      EXPECT_EQ(czcionka.lfHeight, -opis.Czcionka);
      EXPECT_EQ(czcionka.lfCharSet, EASTEUROPE_CHARSET);
      EXPECT_STREQ(czcionka.lfFaceName, L"Tahoma");
      // The face drawn, not only the one asked for: a fresh Wine prefix holds no Tahoma.
      EXPECT_EQ(Wybrana(k).Twarz, L"Tahoma");
    }
  }
  EXPECT_EQ(TekstKontrolki(okno_->InfoMemo).substr(0, 2 + 31 + 20),
            L"\r\n" + std::wstring(31, L' ') + L"Rozpoznik wersja 1.4");
  EXPECT_TRUE(GetWindowLongPtrW(okno_->Edit1, GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongPtrW(okno_->ProgramyMemo, GWL_STYLE) & ES_MULTILINE);
  EXPECT_FALSE(GetWindowLongPtrW(okno_->ProgramyMemo, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

// Every label's text, as wide as the font the window really draws it in makes it, shows whole in
// its label and ends before the control beside it: in whatever face the machine gives, not in
// the widths the table was measured with. The notice of several candidates too, centred.
TEST_F(OknoWin32, EtykietyNaSwoichMiejscach) {
  Wybierz(trzy_);
  ASSERT_TRUE(Widoczna(okno_->InfoLabel));
  int sprawdzone = 0;
  for (const TOpisKontrolki& opis : UkladOkna) {
    if (opis.Rodzaj != TRodzajKontrolki::Etykieta) continue;
    SCOPED_TRACE(std::string(opis.Nazwa));
    const HWND k = K(opis.Kontrolka);
    const RECT r = Polozenie(k);
    const int tekst = Wybrana(k).SzerokoscTekstu;
    ASSERT_GT(tekst, 0);
    EXPECT_GE(r.right - r.left, tekst);
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.left + tekst, KoniecMiejsca(opis));
    ++sprawdzone;
  }
  EXPECT_EQ(sprawdzone, 7);
}

// A fixed-size tool window with only a close button, placed and sized as the layout says.
TEST_F(OknoWin32, RamaOkna) {
  const HWND okno = okno_->Uchwyt();
  RECT klient{}, ramka{};
  GetClientRect(okno, &klient);
  GetWindowRect(okno, &ramka);
  EXPECT_EQ(klient.right, 415);
  EXPECT_EQ(klient.bottom, 393);
  EXPECT_EQ(ramka.left, 231);
  EXPECT_EQ(ramka.top, 146);
  EXPECT_EQ(TekstKontrolki(okno), L"Rozpoznik wersja 1.4");
  const auto styl = GetWindowLongPtrW(okno, GWL_STYLE);
  EXPECT_TRUE(styl & WS_SYSMENU);
  EXPECT_FALSE(styl & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongPtrW(okno, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

// Three candidates: the first shown, the scroll bar over 0 to 2, the notice centred on the outer
// width; each step of the bar shows the next candidate, and the bar stops at its ends.
TEST_F(OknoWin32, NiejednoznacznyWynikIPasek) {
  Wybierz(trzy_);
  ASSERT_EQ(okno_->ListaTypow.size(), 3u);
  EXPECT_EQ(TekstKontrolki(okno_->Edit1), Szeroki(trzy_));
  EXPECT_EQ(TekstKontrolki(okno_->TypEdit), ZCp(okno_->ListaTypow[0]));
  EXPECT_TRUE(Widoczna(okno_->ScrollBar1));
  EXPECT_FALSE(Widoczna(okno_->Pasek));
  EXPECT_TRUE(Widoczna(okno_->InfoLabel));
  EXPECT_EQ(TekstKontrolki(okno_->InfoLabel), Szeroki(TekstNiejednoznacznosci));
  RECT ramka{};
  GetWindowRect(okno_->Uchwyt(), &ramka);
  const RECT uwaga = Polozenie(okno_->InfoLabel);
  EXPECT_EQ(uwaga.left, (ramka.right - ramka.left - (uwaga.right - uwaga.left)) / 2);
  EXPECT_EQ(uwaga.top, 101);
  int od = -1, po = -1;
  GetScrollRange(okno_->ScrollBar1, SB_CTL, &od, &po);
  EXPECT_EQ(od, 0);
  EXPECT_EQ(po, 2);
  EXPECT_EQ(GetScrollPos(okno_->ScrollBar1, SB_CTL), 0);

  const auto przewin = [&](WORD Zadanie) {
    SendMessageW(okno_->Uchwyt(), WM_VSCROLL, Zadanie,
                 reinterpret_cast<LPARAM>(okno_->ScrollBar1.Uchwyt()));
  };
  przewin(SB_LINEDOWN);
  EXPECT_EQ(GetScrollPos(okno_->ScrollBar1, SB_CTL), 1);
  EXPECT_EQ(TekstKontrolki(okno_->TypEdit), ZCp(okno_->ListaTypow[1]));
  EXPECT_EQ(TekstKontrolki(okno_->KategoriaEdit), ZCp(okno_->ListaKategorii[1]));
  EXPECT_EQ(TekstKontrolki(okno_->Edit1), Szeroki(trzy_));
  przewin(SB_PAGEDOWN);
  przewin(SB_LINEDOWN);
  EXPECT_EQ(GetScrollPos(okno_->ScrollBar1, SB_CTL), 2);
  EXPECT_EQ(TekstKontrolki(okno_->TypEdit), ZCp(okno_->ListaTypow[2]));
  przewin(SB_TOP);
  EXPECT_EQ(TekstKontrolki(okno_->TypEdit), ZCp(okno_->ListaTypow[0]));
  // Past either end the bar stays where it is, as does a request that moves nothing.
  przewin(SB_LINEUP);
  przewin(SB_ENDSCROLL);
  EXPECT_EQ(GetScrollPos(okno_->ScrollBar1, SB_CTL), 0);
  EXPECT_EQ(TekstKontrolki(okno_->TypEdit), ZCp(okno_->ListaTypow[0]));
  przewin(SB_BOTTOM);
  przewin(SB_PAGEDOWN);
  EXPECT_EQ(GetScrollPos(okno_->ScrollBar1, SB_CTL), 2);
  EXPECT_EQ(TekstKontrolki(okno_->TypEdit), ZCp(okno_->ListaTypow[2]));

  // One candidate after several: no bar, no notice, the line back.
  przewin(SB_BOTTOM);
  Wybierz(png_);
  EXPECT_FALSE(Widoczna(okno_->ScrollBar1));
  EXPECT_FALSE(Widoczna(okno_->InfoLabel));
  EXPECT_TRUE(Widoczna(okno_->Pasek));
  EXPECT_EQ(TekstKontrolki(okno_->TypEdit), ZCp(okno_->ListaTypow[0]));
}

// The programs box shows each program on a line of its own.
TEST_F(OknoWin32, ProgramyWierszami) {
  Wybierz(png_);
  const std::wstring programy = TekstKontrolki(okno_->ProgramyMemo);
  EXPECT_EQ(programy, [&] {
    std::wstring oczekiwane;
    for (const wchar_t znak : ZCp(okno_->ListaProgramow[0])) {
      oczekiwane += znak == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, znak);
    }
    return oczekiwane;
  }());
  EXPECT_GT(SendMessageW(okno_->ProgramyMemo, EM_GETLINECOUNT, 0, 0), 1);
}

// The question mark shows the About text at (8, 64) and hides it; a click on the text hides it.
TEST_F(OknoWin32, PanelInformacji) {
  Kliknij(okno_->Image2);
  EXPECT_TRUE(Widoczna(okno_->InfoMemo));
  const RECT r = Polozenie(okno_->InfoMemo);
  EXPECT_EQ(r.left, 8);
  EXPECT_EQ(r.top, 64);
  EXPECT_EQ(r.right - r.left, 401);
  EXPECT_EQ(r.bottom - r.top, 289);
  Kliknij(okno_->InfoMemo);
  EXPECT_FALSE(Widoczna(okno_->InfoMemo));
  Kliknij(okno_->Image2);
  EXPECT_TRUE(Widoczna(okno_->InfoMemo));
  Kliknij(okno_->Image2);
  EXPECT_FALSE(Widoczna(okno_->InfoMemo));
}

// The link opens the site, turns red under the mouse and white when it leaves, with the hand
// pointer; a press that ends off the control is no click.
TEST_F(OknoWin32, Odnosnik) {
  const HWND link = okno_->Label6;
  const RECT obszar = Polozenie(link);
  EXPECT_EQ(CzerwonePiksele(okno_->Uchwyt(), obszar), 0);
  SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_GT(CzerwonePiksele(okno_->Uchwyt(), obszar), 20);
  Kliknij(link);
  EXPECT_EQ(pulpit_.Adresy, std::vector<std::string>{AdresTestowy});
  EXPECT_GT(CzerwonePiksele(okno_->Uchwyt(), obszar), 20);
  SendMessageW(link, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(CzerwonePiksele(okno_->Uchwyt(), obszar), 0);

  SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(SendMessageW(link, WM_NCHITTEST, 0, 0), HTCLIENT);
  EXPECT_EQ(SendMessageW(okno_->Bevel1, WM_NCHITTEST, 0, 0), HTTRANSPARENT);

  SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(-50, 3));
  EXPECT_EQ(pulpit_.Adresy.size(), 1u);
}

// One file dropped is identified as if chosen in the dialog, after the drop has ended; several
// at once are not taken.
TEST_F(OknoWin32, UpuszczonyPlik) {
  const std::string plik = folder_.Zapisz("żółw.png", std::string("\x89PNG\r\n\x1a\n", 8));
  SendMessageW(okno_->Uchwyt(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(Upuszczone({Szeroki(Utf8(SciezkaZUtf8(plik)))})), 0);
  EXPECT_EQ(TekstKontrolki(okno_->Edit1), L"");
  Pompuj();
  EXPECT_EQ(TekstKontrolki(okno_->Edit1), Szeroki(plik));
  EXPECT_EQ(okno_->OpenDialog1.FileName, plik);
  EXPECT_FALSE(TekstKontrolki(okno_->TypEdit).empty());
  EXPECT_EQ(pulpit_.Prace, 1);

  SendMessageW(okno_->Uchwyt(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(Upuszczone({Szeroki(trzy_), Szeroki(png_)})), 0);
  Pompuj();
  EXPECT_EQ(TekstKontrolki(okno_->Edit1), Szeroki(plik));
  EXPECT_EQ(pulpit_.Prace, 1);
}

// Tab follows the table's order and skips hidden controls; the button never takes the focus.
TEST_F(OknoWin32, KolejnoscFokusu) {
  const auto tab = [&] {
    const MSG komunikat{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(okno_->PrzetworzKlawisz(komunikat));
    return GetFocus();
  };
  SetFocus(okno_->Edit1);
  EXPECT_EQ(tab(), okno_->TypEdit);
  EXPECT_EQ(tab(), okno_->KategoriaEdit);
  EXPECT_EQ(tab(), okno_->ProgramyMemo);
  EXPECT_EQ(tab(), okno_->Edit1);

  Wybierz(trzy_);
  Kliknij(okno_->Image2);
  SetFocus(okno_->ProgramyMemo);
  EXPECT_EQ(tab(), okno_->InfoMemo);
  EXPECT_EQ(tab(), okno_->ScrollBar1);
  EXPECT_EQ(tab(), okno_->Edit1);
  const MSG litera{okno_->Edit1, WM_KEYDOWN, 'A', 0, 0, {}};
  EXPECT_FALSE(okno_->PrzetworzKlawisz(litera));
}

// A path too long for its box shows its end, the file's own name, and the whole of it as a
// tooltip; a short one has no tooltip.
TEST_F(OknoWin32, DlugaSciezka) {
  const std::string dlugi =
      folder_.Zapisz(std::string(60, 'k') + "/" + std::string(60, 'x') + "/koniec.png",
                     std::string("\x89PNG\r\n\x1a\n", 8));
  Wybierz(dlugi);
  EXPECT_GT(SendMessageW(okno_->Edit1, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(Podpowiedz(okno_->Uchwyt(), okno_->Edit1), Szeroki(dlugi));
  EXPECT_EQ(SendMessageW(okno_->TypEdit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(Podpowiedz(okno_->Uchwyt(), okno_->TypEdit), L"");
}

// At 144 and 192 dots per inch everything grows in proportion, the fonts too.
TEST_F(OknoWin32, SkalowanieDpi) {
  for (const UINT dpi : {144u, 192u, 96u}) {
    SCOPED_TRACE(dpi);
    const auto skaluj = [dpi](int Piksele) { return MulDiv(Piksele, static_cast<int>(dpi), 96); };
    RECT sugerowany{100, 100, 100 + skaluj(420), 100 + skaluj(420)};
    SendMessageW(okno_->Uchwyt(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&sugerowany));
    RECT klient{};
    GetClientRect(okno_->Uchwyt(), &klient);
    EXPECT_EQ(klient.right, skaluj(OpisOkna.Szerokosc));
    EXPECT_EQ(klient.bottom, skaluj(OpisOkna.Wysokosc));
    for (const TKontrolka k : {TKontrolka::Edit1, TKontrolka::ProgramyMemo, TKontrolka::Image1,
                               TKontrolka::SpeedButton1}) {
      const TProstokat& p = Opis(k).Polozenie;
      const RECT r = Polozenie(K(k));
      EXPECT_EQ(r.left, skaluj(p.Lewa));
      EXPECT_EQ(r.top, skaluj(p.Gora));
      EXPECT_EQ(r.right - r.left, skaluj(p.Szerokosc));
      EXPECT_EQ(r.bottom - r.top, skaluj(p.Wysokosc));
    }
    EXPECT_EQ(Czcionka(okno_->Edit1).lfHeight, -skaluj(13));
    // The new font does not bring margins into the multi-line boxes: their text stays at the
    // box's edge.
    EXPECT_EQ(SendMessageW(okno_->ProgramyMemo, EM_GETMARGINS, 0, 0), 0);
    EXPECT_EQ(SendMessageW(okno_->InfoMemo, EM_GETMARGINS, 0, 0), 0);
    EXPECT_EQ(Polozenie(okno_->Label1).top, skaluj(72));
  }
}

// The desktop as Windows gives it: the dialogs' make-up, the shell's type names and the busy
// cursor.

#include <gtest/gtest.h>

#include "tests/FolderTestowy.h"
#include "tests/window/win32/Pomocnicy.h"
#include "text/Cp1250.h"
#include "window/win32/PulpitWin32.h"

// The window's options and nothing of the dialog's own: no filter, title or folder, any name
// accepted, a shortcut returned as itself, the previous path offered as it was, Polish letters
// and all.
TEST(PulpitWin32, DialogOtwarcia) {
  TDialogOtwarcia dialog;
  const std::string poprzednia = "C:\\Dokumenty\\źdźbło trawy.zip";
  ZbudujDialogOtwarcia(dialog, nullptr, poprzednia);
  const DWORD flagi = dialog.Opis.Flags;
  EXPECT_TRUE(flagi & OFN_HIDEREADONLY);
  EXPECT_TRUE(flagi & OFN_NODEREFERENCELINKS);
  EXPECT_TRUE(flagi & OFN_ENABLESIZING);
  EXPECT_FALSE(flagi & (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ALLOWMULTISELECT));
  EXPECT_EQ(dialog.Opis.lpstrFilter, nullptr);
  EXPECT_EQ(dialog.Opis.lpstrTitle, nullptr);
  EXPECT_EQ(dialog.Opis.lpstrInitialDir, nullptr);
  EXPECT_EQ(std::wstring(dialog.Opis.lpstrFile), Szeroki(poprzednia));
  // Room for a path past 260 characters.
  EXPECT_GE(dialog.Opis.nMaxFile, 32768u);

  ZbudujDialogOtwarcia(dialog, nullptr, "");
  EXPECT_EQ(dialog.Opis.lpstrFile[0], L'\0');
}

// Captions, icons and buttons; the window's Windows-1250 text decoded, each carriage return a
// line; the error's system text passed on as it is.
TEST(PulpitWin32, OknaKomunikatow) {
  const TOknoKomunikatu blad = OknoBledu("Nie można otworzyć \"C:\\ż.txt\"");
  EXPECT_EQ(blad.Tytul, L"Rozpoznik");
  EXPECT_EQ(blad.Tekst, Szeroki("Nie można otworzyć \"C:\\ż.txt\""));
  EXPECT_EQ(blad.Styl, static_cast<UINT>(MB_OK | MB_ICONERROR));

  const std::string tekst = cp1250::ZUtf8("Nie udało się.\r\rRozmiar: 0");
  const TOknoKomunikatu okAnuluj = OknoOkAnuluj(tekst);
  EXPECT_EQ(okAnuluj.Tytul, L"Confirm");
  EXPECT_EQ(okAnuluj.Tekst, Szeroki("Nie udało się.\r\n\r\nRozmiar: 0"));
  EXPECT_EQ(okAnuluj.Styl, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1));

  const TOknoKomunikatu takNie = OknoTakNie(cp1250::ZUtf8("Czy otworzyć stronę?"));
  EXPECT_EQ(takNie.Tytul, L"Confirm");
  EXPECT_EQ(takNie.Tekst, Szeroki("Czy otworzyć stronę?"));
  EXPECT_EQ(takNie.Styl, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1));
}

// The shell looks at the real file, whatever its name: a missing one has no type.
TEST(PulpitWin32, TypSystemowy) {
  TFolderTestowy folder;
  TPulpitWin32 pulpit;
  const std::string plik = folder.Zapisz("zażółć.txt", "tekst");
  const std::string typ = pulpit.PobierzTypSystemowy(plik);
  EXPECT_FALSE(typ.empty());
  EXPECT_EQ(pulpit.PobierzTypSystemowy(folder.Sciezka("brak.txt")), "");
}

// The busy cursor stays until the last piece of work ends, then the one before comes back.
TEST(PulpitWin32, KursorZajetosci) {
  TPulpitWin32 pulpit;
  const HCURSOR strzalka = LoadCursorW(nullptr, IDC_ARROW);
  SetCursor(strzalka);
  pulpit.ZacznijPrace();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  pulpit.ZacznijPrace();
  pulpit.SkonczPrace();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  pulpit.SkonczPrace();
  EXPECT_EQ(GetCursor(), strzalka);
}

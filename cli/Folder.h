#pragma once

// A folder held open by the walk. Everything inside it is reached relative to it, never by a
// path from the top, so that a folder swapped for a symbolic link after its parent was listed
// can't lead the walk out of the tree, and the depth of a tree has no path length to outgrow.
// Each platform implements this in a source file of its own.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/PlikDoOdczytu.h"

enum class TRodzajWpisu {
  Plik,
  Folder,
  // A symbolic link (on Windows also a junction), whatever it leads to: never followed, since
  // the tree's author chooses where it points, and a walk run by someone with more rights than
  // the author would read what the author can't.
  Dowiazanie,
  Nieregularny,  // a pipe, socket or device: never opened
};

struct TWpisFolderu {
  std::string Nazwa;
  TRodzajWpisu Rodzaj;
};

// What a folder is, kept after its handle is let go, so that the folder reached again later can
// be told to be the same one.
struct TTozsamoscFolderu {
  std::uint64_t Urzadzenie = 0;
  std::uint64_t Wezel = 0;
  friend bool operator==(const TTozsamoscFolderu&, const TTozsamoscFolderu&) = default;
};

class TFolder {
 public:
  // The folder at a path given by the user; a symbolic link there is followed. Nothing, with
  // the system's words in `Blad`, when it can't be opened.
  static std::unique_ptr<TFolder> Otworz(const std::string& Sciezka, std::string& Blad);

  ~TFolder();
  TFolder(const TFolder&) = delete;
  TFolder& operator=(const TFolder&) = delete;

  // A folder inside this one; one that is now a symbolic link is refused.
  std::unique_ptr<TFolder> OtworzPodfolder(const std::string& Nazwa, std::string& Blad) const;

  // This folder's parent, when it still is the folder of `Oczekiwana`: the walk lets go of the
  // handles of folders far above it and comes back to them this way. `Sciezka` is the parent's
  // path as the walk names it, for a system that has no way up from a handle (Windows).
  std::unique_ptr<TFolder> OtworzNadrzedny(const TTozsamoscFolderu& Oczekiwana,
                                           const std::string& Sciezka, std::string& Blad) const;

  // Every entry but "." and "..", in the order the system lists them; false when the listing
  // can't be read to its end.
  bool Wypisz(std::vector<TWpisFolderu>& Wpisy, std::string& Blad) const;

  // Where the link `Nazwa` in this folder points, as the link itself holds it, read without
  // following it. Nothing, with the reason in `Blad`, when the entry is no longer a link or holds
  // no target this program can read.
  std::optional<std::string> CelDowiazania(const std::string& Nazwa, std::string& Blad) const;

  TTozsamoscFolderu Tozsamosc() const { return tozsamosc_; }
  TUchwytFolderu Uchwyt() const { return static_cast<TUchwytFolderu>(uchwyt_); }

 private:
  TFolder(std::intptr_t Uchwyt, TTozsamoscFolderu Tozsamosc)
      : uchwyt_(Uchwyt), tozsamosc_(Tozsamosc) {}
  static std::unique_ptr<TFolder> Przyjmij(std::intptr_t Wynik, std::string& Blad);

  std::intptr_t uchwyt_;
  TTozsamoscFolderu tozsamosc_;
};

// What the path given by the user names, a symbolic link followed, as the user asked for that
// path (never Dowiazanie); nothing, with the system's words in `Blad`, when it can't be looked at.
std::optional<TRodzajWpisu> RodzajSciezki(const std::string& Sciezka, std::string& Blad);

// Appends an entry's name to the path of its folder, joined as the system writes paths.
void DopiszNazwe(std::string& Sciezka, const std::string& Nazwa);

// The handle that stands for the working folder, for paths given by the user.
TUchwytFolderu FolderRoboczy();

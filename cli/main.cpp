// rozpoznik-cli: identifies files from the command line with the window program's engine.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Konsola.h"
#include "cli/ListaTypow.h"
#include "cli/Przebieg.h"
#include "cli/Wyswietlanie.h"

namespace {

constexpr const char* OpisProgramu =
    "Tells what files really are by their first 80 bytes, with the catalogue and the rules of "
    "the Rozpoznik window program.";

constexpr const char* Stopka = R"(Output (UTF-8):
  For each file its path, marked "[mismatch]" when its extension is not among its
  candidates', then every candidate description in the catalogue's order (or, with
  --ranked, by the bytes they pin): its type, category and the programs that open such
  files. When nothing fits, one line says the
  file was not recognised and gives its first 10 bytes in hex, its extension and its size.
  The descriptions themselves are in Polish, as the catalogue holds them. Bytes of a path
  that could drive a terminal (control characters, C1 controls, bidirectional overrides,
  malformed UTF-8) are shown as \xHH, here and in every message.

  With --json each file is one JSON object on one line:
    {"path", "size", "extension", "bytes" (the first 80 bytes as 160 hex digits),
     "recognised", "extension_matches",
     "candidates": [{"extension", "type", "category", "programs": [...],
                     "matched": {"table", "signature", "pinned_bytes"}}]}
  where "table" names the catalogue table that holds the row, "signature" is the signature
  or pattern it met, null for a text format, which fits by its extension, and
  "pinned_bytes" how many bytes of the file it fixes. A candidate that a probe found past
  the first 80 bytes adds "probe" (its name) and "offset" (where its bytes begin) there.
  Bytes of a path that are not UTF-8 appear as U+FFFD there.

  With --csv: a header row, then one row per candidate (the file's fields repeated),
  RFC 4180 with CRLF line ends; the path keeps its exact bytes, quoted when needed.

  A symbolic link that -r finds is never followed: it is listed with its target, escaped
  as a path is, and not identified. Text: its path, then "symbolic link to TARGET, not
  followed"; JSON: {"path", "link"}; CSV: a row with only the path and the last column,
  "link". A link named on the command line is followed.

  A file is a mismatch when it was recognised, its name has an extension, and no candidate
  has that extension. Unrecognised files, empty files and names without an extension are
  not. The catalogue's extensions of five characters are cut from longer ones: "TORRE"
  stands for .torrent, "TAR.G" for .tar.gz.

  With --ranked the candidates of each file are ordered by how many bytes of the file their
  signature pins ("pinned_bytes" in the JSON; a text format, which fits by its extension,
  pins none), most first, equal counts in the catalogue's order; the summary counts each
  file under its first candidate in that order. Without it the order is the catalogue's,
  the one the window shows. An empty file has one answer, the type "Pusty plik" with its
  size, and an empty "table".

  --list-types prints the whole catalogue instead, one entry per row: its table and row,
  extension, signature, type, category and programs; as JSON lines with --json
  {"table", "row", "extension", "signature", "type", "category", "programs": [...]}, or as
  CSV with a header line with --csv (programs joined by "; ").

  A path that can't be read (missing, no permission, a directory without -r, a pipe or
  device) is reported on standard error with the reason, and the run goes on.

  With -r the files are identified on every core (see -j); the output keeps the sorted
  order. On a terminal, a run longer than a second shows its progress on standard error.

  Use -- before paths that begin with a dash: every argument after it is a path.

Exit status:
  0  every file was recognised
  1  some file was not recognised
  2  some path could not be read, or the arguments were wrong (2 wins over 1))";

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(OpisProgramu, "rozpoznik-cli");
  app.footer(Stopka);
  TUstawienia ustawienia;
  bool json = false;
  bool csv = false;
  bool listaTypow = false;
  std::vector<std::string> sciezki;
  auto* opcjaJson = app.add_flag("--json", json, "Print one JSON object per file per line");
  app.add_flag("--csv", csv,
               "Print CSV: a header row, then one row per candidate (with --list-types, per "
               "catalogue row)")
      ->excludes(opcjaJson);
  app.add_flag("-r,--recursive", ustawienia.Rekurencyjnie,
               "Identify every file below the named directories, in sorted order; symbolic links "
               "inside them are listed, never followed");
  app.add_flag("--mismatches", ustawienia.TylkoNiezgodne,
               "Print only recognised files whose extension is not among their candidates'");
  app.add_flag("--ranked", ustawienia.Uszereguj,
               "Order each file's candidates by how many of its bytes their signatures pin, most "
               "first (ties in the catalogue's order)");
  app.add_flag("--explain", ustawienia.Wyjasnij,
               "Under each candidate, show its table, what it matched and the file's first "
               "bytes with the deciding ones marked");
  app.add_flag("--summary", ustawienia.Podsumowanie,
               "At the end, print counts by type and category, recognised, mismatches, "
               "unreadable paths, links not followed and the time taken (standard error; with "
               "--json a last JSON "
               "object on standard output)");
  app.add_option("-j,--jobs", ustawienia.Watki,
                 "Threads that identify files (default: one per core)")
      ->check(CLI::Range(1u, 1024u));
  auto* opcjaListy =
      app.add_flag("--list-types", listaTypow,
                   "Print every description of the catalogue instead of identifying");
  app.add_option("PATH", sciezki, "Files (or, with -r, directories) to identify")
      ->excludes(opcjaListy);
  // CLI11 takes the arguments last first, without the program's name.
  std::vector<std::string> argumenty = ArgumentyProgramu(argc, argv);
  if (!argumenty.empty()) argumenty.erase(argumenty.begin());
  std::ranges::reverse(argumenty);
  try {
    app.parse(argumenty);
    if (!listaTypow && sciezki.empty()) throw CLI::RequiredError("PATH");
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? WszystkoRozpoznane : CosNieczytelne;
  }
  if (listaTypow) {
    const std::string lista = ListaTypow(csv    ? TFormatListy::Csv
                                         : json ? TFormatListy::Json
                                                : TFormatListy::Tekst);
    std::fwrite(lista.data(), 1, lista.size(), stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? WszystkoRozpoznane
                                                                : CosNieczytelne;
  }
  if (json) ustawienia.Format = TFormat::Json;
  if (csv) ustawienia.Format = TFormat::Csv;
  try {
    return Uruchom(sciezki, ustawienia);
  } catch (const std::exception& e) {
    std::fflush(stdout);
    Wypisz(stderr, KomunikatBledu(e.what()));
    return CosNieczytelne;
  }
}

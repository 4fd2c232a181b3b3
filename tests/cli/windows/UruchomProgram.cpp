#include "UruchomProgram.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/FolderTestowy.h"

namespace {

namespace fs = std::filesystem;

// A program that has not ended by then is taken to hang, and stopped.
constexpr DWORD NajdluzejMs = 60'000;

std::string CzytajPlik(const fs::path& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

// The quoting that CommandLineToArgvW and the C runtime undo: backslashes count only before a
// quote.
void DopiszArgument(std::wstring& linia, const std::wstring& argument) {
  if (!linia.empty()) linia += L' ';
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
    linia += argument;
    return;
  }
  linia += L'"';
  std::size_t ukosniki = 0;
  for (const wchar_t znak : argument) {
    if (znak == L'\\') {
      ++ukosniki;
      continue;
    }
    linia.append(znak == L'"' ? 2 * ukosniki + 1 : ukosniki, L'\\');
    ukosniki = 0;
    linia += znak;
  }
  linia.append(2 * ukosniki, L'\\');
  linia += L'"';
}

// A program named without a folder is the one built beside the tests.
fs::path PelnaSciezka(const std::string& program) {
  const fs::path sciezka = SciezkaZUtf8(program);
  if (sciezka.has_parent_path()) return sciezka;
  std::wstring tutaj(32768, L'\0');
  tutaj.resize(GetModuleFileNameW(nullptr, tutaj.data(), static_cast<DWORD>(tutaj.size())));
  return fs::path(tutaj).parent_path() / sciezka;
}

struct TUchwyt {
  HANDLE H;
  ~TUchwyt() {
    if (H != INVALID_HANDLE_VALUE && H != nullptr) CloseHandle(H);
  }
};

HANDLE Otworz(const fs::path& sciezka, DWORD dostep, DWORD tworzenie) {
  SECURITY_ATTRIBUTES dziedziczony{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(sciezka.c_str(), dostep, FILE_SHARE_READ | FILE_SHARE_WRITE, &dziedziczony,
                     tworzenie, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

TPrzebieg UruchomProgram(const std::string& Program, const std::vector<std::string>& Argumenty,
                         const fs::path& Folder, const std::string& PlikWyjscia) {
  const fs::path wyjscie = PlikWyjscia.empty() ? Folder / "wyjscie.out" : SciezkaZUtf8(PlikWyjscia);
  const fs::path bledy = Folder / "bledy.out";
  const fs::path program = PelnaSciezka(Program);

  std::wstring linia;
  DopiszArgument(linia, program.wstring());
  for (const std::string& a : Argumenty) DopiszArgument(linia, SciezkaZUtf8(a).wstring());

  TPrzebieg przebieg;
  {
    const TUchwyt wejscie{Otworz(L"NUL", GENERIC_READ, OPEN_EXISTING)};
    const TUchwyt wyj{Otworz(wyjscie, GENERIC_WRITE, CREATE_ALWAYS)};
    const TUchwyt bl{Otworz(bledy, GENERIC_WRITE, CREATE_ALWAYS)};
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = wejscie.H;
    start.hStdOutput = wyj.H;
    start.hStdError = bl.H;
    PROCESS_INFORMATION proces{};
    if (!CreateProcessW(program.c_str(), linia.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        Folder.c_str(), &start, &proces)) {
      throw std::runtime_error("cannot start " + Program);
    }
    const TUchwyt watek{proces.hThread};
    const TUchwyt p{proces.hProcess};
    DWORD kod = 0;
    if (WaitForSingleObject(proces.hProcess, NajdluzejMs) != WAIT_OBJECT_0) {
      TerminateProcess(proces.hProcess, 1);
      WaitForSingleObject(proces.hProcess, INFINITE);
    } else if (GetExitCodeProcess(proces.hProcess, &kod)) {
      przebieg.KodWyjscia = static_cast<int>(kod);
    }
  }
  if (PlikWyjscia.empty()) przebieg.Wyjscie = CzytajPlik(wyjscie);
  przebieg.Bledy = CzytajPlik(bledy);
  return przebieg;
}

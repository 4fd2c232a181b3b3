#pragma once

// Everything the window asks of the desktop around it, in standard strings, so that any toolkit
// can provide it: Qt's in window/qt/, Win32's in window/win32/; tests put in a fake that records
// the questions and gives scripted answers. Paths are as the file system gives them; the
// window's own texts are Windows-1250.

#include <optional>
#include <string>

class TPulpit {
 public:
  virtual ~TPulpit() = default;

  // The file-open dialog: no filter, no title of its own, a link chosen in it comes back as the
  // link itself, the chosen file need not exist, resizable; offers `Poprzednia` when it is not
  // empty. Nothing when cancelled.
  virtual std::optional<std::string> WybierzPlik(const std::string& Poprzednia) = 0;

  // The application's error box: the text, caption "Rozpoznik", an error icon and OK. The text
  // is the system's own (it names paths and causes as the system gives them), not Windows-1250.
  virtual void PokazBlad(const std::string& TekstSystemowy) = 0;

  // Question box "Confirm" with OK (default) and Cancel, centred on the screen; true only for
  // OK. Lines of `Tekst` are separated by carriage returns.
  virtual bool PotwierdzOkAnuluj(const std::string& Tekst) = 0;

  // Question box "Confirm" with Yes (default) and No, centred on the screen; true only for Yes.
  virtual bool ZapytajTakNie(const std::string& Tekst) = 0;

  // Hands a web address to the default browser; whether that worked is not reported.
  virtual void OtworzAdres(const std::string& Adres) = 0;

  // The desktop's Polish name for the type of the file at `Sciezka`, in Windows-1250, as long as
  // the desktop makes it; empty when the file is gone or its type is unknown.
  virtual std::string PobierzTypSystemowy(const std::string& Sciezka) = 0;

  // The busy cursor, from the start of a long piece of work to its end.
  virtual void ZacznijPrace() = 0;
  virtual void SkonczPrace() = 0;
};

// Shows the busy cursor for as long as it lives, also when the work ends in an error.
class TZajetosc {
 public:
  explicit TZajetosc(TPulpit& Pulpit) : pulpit_(Pulpit) { pulpit_.ZacznijPrace(); }
  ~TZajetosc() { pulpit_.SkonczPrace(); }
  TZajetosc(const TZajetosc&) = delete;
  TZajetosc& operator=(const TZajetosc&) = delete;

 private:
  TPulpit& pulpit_;
};

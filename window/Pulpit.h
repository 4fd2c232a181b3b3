#pragma once

// Everything the window asks of the desktop around it. The program uses TPulpitQt; tests put
// in a stand-in that records the questions and gives scripted answers. Texts are Windows-1250.

#include <QString>
#include <optional>
#include <string>

class QWidget;

class TPulpit {
 public:
  virtual ~TPulpit() = default;

  // The file-open dialog of OpenDialog1, offering `Poprzednia`; nothing when cancelled.
  virtual std::optional<QString> WybierzPlik(QWidget* Okno, const QString& Poprzednia) = 0;

  // The application's error box: the text, caption "Rozpoznik", an error icon and OK. The text
  // is the system's (it names paths and causes as the system gives them), not Windows-1250.
  virtual void PokazBlad(const std::string& Tekst) = 0;

  // Question box "Confirm" with OK (default) and Cancel; true only for OK. Lines of `Tekst`
  // are separated by carriage returns.
  virtual bool PotwierdzOkAnuluj(const std::string& Tekst) = 0;

  // Question box "Confirm" with Yes (default) and No; true only for Yes.
  virtual bool ZapytajTakNie(const std::string& Tekst) = 0;

  // Hands a web address to the default browser; whether that worked is not reported.
  virtual void OtworzAdres(const std::string& Adres) = 0;

  // The desktop's name for the type of the file at `Sciezka` (file-system bytes), at most 80
  // bytes; empty when the file is gone or its type is unknown.
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

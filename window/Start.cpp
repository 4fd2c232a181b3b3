// The window's creation and start: its state at start, then the update check.

#include "text/Cp1250.h"
#include "window/Informacje.h"
#include "window/OknoRozpoznika.h"
#include "window/Pulpit.h"
#include "window/Teksty.h"

TStanOkna StanPoczatkowy(const std::string& AdresWitryny) {
  TStanOkna stan;
  for (const TOpisKontrolki& opis : UkladOkna) {
    TStanKontrolki& kontrolka = stan[opis.Kontrolka];
    kontrolka.Widoczna = opis.NaStarcie;
    kontrolka.Lewa = opis.Polozenie.Lewa;
    kontrolka.Gora = opis.Polozenie.Gora;
    kontrolka.Tekst = cp1250::ZUtf8(opis.Tekst);
    kontrolka.KolorTekstu = opis.KolorTekstu;
  }
  stan[TKontrolka::Label6].Tekst += AdresWitryny;
  stan[TKontrolka::InfoMemo].Tekst = TekstInformacji();
  return stan;
}

TOknoRozpoznika::TOknoRozpoznika(TPulpit& Pulpit, TWitryna Witryna,
                                 TSrodowiskoAktualizacji Srodowisko)
    : pulpit_(Pulpit),
      witryna_(std::move(Witryna)),
      srodowisko_(std::move(Srodowisko)),
      stan_(StanPoczatkowy(witryna_.AdresKorzenia())) {}

TOknoRozpoznika::~TOknoRozpoznika() = default;

void TOknoRozpoznika::Uruchom() {
  FormCreate();
}

// The result lists are views of the window's result, empty from its construction, so the
// identify command finds them whatever the check did.
void TOknoRozpoznika::FormCreate() {
  Obsluz([this] { SprawdzCzyNowaWersja(); });
}

void TOknoRozpoznika::SprawdzCzyNowaWersja() {
  const TPulpitAktualizacji pulpit{
      [this](const std::string& Pytanie) { return pulpit_.ZapytajTakNie(Pytanie); },
      [this](const std::string& Adres) { pulpit_.OtworzAdres(Adres); }};
  ::SprawdzCzyNowaWersja(cp1250::ZUtf8(TytulOkna), witryna_, srodowisko_, pulpit);
}

// The label "Nazwa pliku" takes clicks and does nothing with them.
void TOknoRozpoznika::Label1Click() {}

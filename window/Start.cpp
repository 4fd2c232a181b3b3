// The window's creation: its state at start, the update check, then the four result lists.

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
      stan_(StanPoczatkowy(witryna_.AdresKorzenia())) {
  FormCreate();
}

TOknoRozpoznika::~TOknoRozpoznika() = default;

void TOknoRozpoznika::FormCreate() {
  // Whatever the check does, the lists must come into being: the identify command needs them.
  Obsluz([this] { SprawdzCzyNowaWersja(); });
  ListaTypow = std::make_unique<TListaTekstow>();
  ListaKategorii = std::make_unique<TListaTekstow>();
  ListaProgramow = std::make_unique<TListaTekstow>();
  ListaRozszerzen = std::make_unique<TListaTekstow>();
}

void TOknoRozpoznika::SprawdzCzyNowaWersja() {
  const TPulpitAktualizacji pulpit{
      [this](const std::string& Pytanie) { return pulpit_.ZapytajTakNie(Pytanie); },
      [this](const std::string& Adres) { pulpit_.OtworzAdres(Adres); }};
  ::SprawdzCzyNowaWersja(cp1250::ZUtf8(TytulOkna), witryna_, srodowisko_, pulpit);
}

// The label "Nazwa pliku" takes clicks and does nothing with them.
void TOknoRozpoznika::Label1Click() {}

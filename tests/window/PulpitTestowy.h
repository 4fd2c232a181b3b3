#pragma once

// A desktop for the window's tests: it records every question the window asks and gives the
// answers the test has scripted.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window/Pulpit.h"

class TPulpitTestowy final : public TPulpit {
 public:
  // Scripted answers.
  std::deque<std::string> WyboryPlikow;  // one per dialog; an empty path or none cancels
  bool OdpowiedzOkAnuluj = false;
  bool OdpowiedzTakNie = false;
  std::string TypSystemowy;
  std::function<void()> PrzyPracy;    // runs when the busy cursor comes on
  std::function<void()> PrzyPytaniu;  // runs when the Yes/No question is asked

  // What the window asked, in order.
  std::vector<std::string> OferowaneSciezki;
  std::vector<std::string> Bledy;
  std::vector<std::string> Potwierdzenia;
  std::vector<std::string> Pytania;
  std::vector<std::string> Adresy;
  std::vector<std::string> SciezkiTypow;
  int Prace = 0;
  int TrwajacePrace = 0;

  // Forgets the answers and the record of an earlier test.
  void Wyczysc() { *this = TPulpitTestowy(); }

  std::optional<std::string> WybierzPlik(const std::string& Poprzednia) override {
    OferowaneSciezki.push_back(Poprzednia);
    if (WyboryPlikow.empty()) return std::nullopt;
    std::string wybor = WyboryPlikow.front();
    WyboryPlikow.pop_front();
    if (wybor.empty()) return std::nullopt;
    return wybor;
  }
  void PokazBlad(const std::string& Tekst) override { Bledy.push_back(Tekst); }
  bool PotwierdzOkAnuluj(const std::string& Tekst) override {
    Potwierdzenia.push_back(Tekst);
    return OdpowiedzOkAnuluj;
  }
  bool ZapytajTakNie(const std::string& Tekst) override {
    Pytania.push_back(Tekst);
    if (PrzyPytaniu) PrzyPytaniu();
    return OdpowiedzTakNie;
  }
  void OtworzAdres(const std::string& Adres) override { Adresy.push_back(Adres); }
  std::string PobierzTypSystemowy(const std::string& Sciezka) override {
    SciezkiTypow.push_back(Sciezka);
    return TypSystemowy;
  }
  void ZacznijPrace() override {
    ++Prace;
    ++TrwajacePrace;
    if (PrzyPracy) PrzyPracy();
  }
  void SkonczPrace() override { --TrwajacePrace; }
};

#pragma once

// rozpoznik-cli run as a user runs it, on files the tests write: what the tests of every system
// share.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "UruchomProgram.h"
#include "tests/FolderTestowy.h"

using namespace std::string_literals;

inline const std::string Zip = "PK\x03\x04\x14\x00\x00\x00\x08\x00"s + std::string(40, 'z');
// No signature or pattern fits it, and its control bytes keep it out of the text table.
inline const std::string NieznaneDane = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B"s;

class RozpoznikCli : public testing::Test {
 protected:
  TPrzebieg Uruchom(const std::vector<std::string>& argumenty) const {
    return UruchomProgram(ROZPOZNIK_CLI, argumenty, folder.Sciezka());
  }

  static std::vector<nlohmann::json> LinieJson(const std::string& wyjscie) {
    std::vector<nlohmann::json> linie;
    std::istringstream strumien(wyjscie);
    for (std::string linia; std::getline(strumien, linia);) {
      linie.push_back(nlohmann::json::parse(linia));
    }
    return linie;
  }

  static std::vector<std::string> RozszerzeniaKandydatow(const nlohmann::json& plik) {
    std::vector<std::string> wynik;
    for (const nlohmann::json& k : plik["candidates"]) wynik.push_back(k["extension"]);
    return wynik;
  }

  static std::vector<std::string> Sciezki(const std::string& wyjscie) {
    std::vector<std::string> sciezki;
    for (const nlohmann::json& plik : LinieJson(wyjscie)) sciezki.push_back(plik["path"]);
    return sciezki;
  }

  TFolderTestowy folder;
};

#include <arpa/inet.h>

#include <algorithm>
#include <array>

#include "site/LimitZgloszen.h"

std::string AdresNadawcy(const std::string& Adres) {
  std::array<unsigned char, 16> bajty{};
  if (inet_pton(AF_INET6, Adres.c_str(), bajty.data()) != 1) return Adres;
  // An IPv4 sender seen through an IPv6 socket keeps its whole address.
  const bool zIPv4 =
      std::all_of(bajty.begin(), bajty.begin() + 10, [](auto b) { return b == 0; }) &&
      bajty[10] == 0xFF && bajty[11] == 0xFF;
  if (zIPv4) return Adres;
  std::fill(bajty.begin() + 8, bajty.end(), 0);
  std::array<char, INET6_ADDRSTRLEN> tekst{};
  inet_ntop(AF_INET6, bajty.data(), tekst.data(), tekst.size());
  return std::string(tekst.data()) + "/64";
}

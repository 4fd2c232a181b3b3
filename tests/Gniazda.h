#pragma once

// The few socket calls the loopback test server makes, over BSD sockets on Linux and Winsock on
// Windows, so that both builds test their download against the same server.

#include <cstddef>
#include <cstdint>

// A descriptor on Linux, a SOCKET on Windows; both fit.
using TGniazdo = std::intptr_t;
inline constexpr TGniazdo BrakGniazda = -1;

// A TCP socket bound to 127.0.0.1 on a port the system picks; throws when it can't be made.
TGniazdo GniazdoNaPetli();
std::uint16_t PortGniazda(TGniazdo Gniazdo);
void Nasluchuj(TGniazdo Gniazdo);

enum class TCzekanieNa { Odczyt, Zapis };
// True when the socket is ready within `Ms` milliseconds.
bool Gotowe(TGniazdo Gniazdo, TCzekanieNa Na, int Ms);

TGniazdo Przyjmij(TGniazdo Nasluch);  // BrakGniazda when nothing came
// Bytes moved, 0 at the end of the stream, below 0 on an error; sending to a closed peer
// gives an error, not a signal.
long Odbierz(TGniazdo Gniazdo, char* Bufor, std::size_t Ile);
long Wyslij(TGniazdo Gniazdo, const char* Dane, std::size_t Ile);
void ZamknijZapis(TGniazdo Gniazdo);
void Zamknij(TGniazdo Gniazdo);

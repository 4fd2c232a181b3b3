#pragma once

// The maker's access token, as a request's Authorization header carries it.

#include <string_view>

// Whether `Naglowek` ("Bearer TOKEN", or "Basic" with TOKEN as the password) holds `Token`.
// Always false for an empty `Token`. The comparison takes the same time wherever a guess
// differs, so that the time of an answer tells nothing about the token.
bool MaDostep(std::string_view Naglowek, std::string_view Token);

// Whether both texts are equal, in a time that depends only on the length of `Sekret`.
bool RowneStalymCzasem(std::string_view Proba, std::string_view Sekret);

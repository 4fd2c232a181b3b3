#pragma once

// A byte as two upper-case hexadecimal digits, the high half first: the way the key writes a
// file's leading bytes, and the way addresses and terminals escape bytes.

#include <string>

void DopiszSzesnastkowo(std::string& Tekst, unsigned char Bajt);

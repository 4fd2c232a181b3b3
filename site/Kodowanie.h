#pragma once

// Text as it reaches the site in addresses, and as it leaves it in pages, CSV and the log.

#include <string>
#include <string_view>

// Each "%XX" becomes its byte; everything else, a "%" without two hex digits and "+" included,
// stays as it came, since the program's report values are raw bytes where a "+" is a plus.
std::string OdkodujProcenty(std::string_view Tekst);

// A value's bytes as Windows-1250 text. Browsers that are handed the raw address of the
// program re-encode its letters as UTF-8 before they send it, so valid UTF-8 with a letter
// outside ASCII that the code page holds is read as UTF-8; anything else already is
// Windows-1250.
std::string JakoCp1250(std::string_view Bajty);

// Whether a byte below 0x20, or 0x7F, occurs.
bool MaZnakSterujacy(std::string_view Tekst);

// Safe inside HTML text and quoted attribute values.
std::string DoHtml(std::string_view Utf8);

// One CSV field, always quoted, with a leading "=", "+", "-", "@", tab or CR defused so that a
// spreadsheet never takes a reported value for a formula.
std::string DoCsv(std::string_view Utf8);

// Printable ASCII stays; every other byte and the backslash become "\xNN", so one request is
// always one line of the log, whatever it carried.
std::string DoDziennika(std::string_view Tekst);

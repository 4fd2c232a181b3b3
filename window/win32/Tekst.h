#pragma once

// Where the program's own text meets the wide-character functions of Windows. The window's
// texts are Windows-1250 and paths are UTF-8 (as text/windows/Utf16.h gives them); Windows
// wants UTF-16 for both.

#include <string>
#include <string_view>

// Every byte has its character, so nothing is lost.
std::wstring ZCp1250(std::string_view Cp1250);

// What the code page cannot hold becomes "?".
std::string NaCp1250(std::wstring_view Tekst);

// The system's own text (a path, a system message), UTF-8 in the program; bytes that are not UTF-8
// show as U+FFFD, so a name that somehow is not UTF-8 is still shown rather than dropped.
std::wstring ZTekstuSystemowego(const std::string& Utf8);

// The text of a multi-line control or a message box: a carriage return, a line feed and the
// pair of them each become the pair Windows draws as one line break.
std::wstring WierszamiWindows(std::wstring_view Tekst);

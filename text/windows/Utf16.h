#pragma once

// Windows takes file names and gives its messages in UTF-16; the program's own strings for
// names and messages are UTF-8. These convert at that edge, and only there.

#include <optional>
#include <string>
#include <string_view>

// Nothing for bytes that are not UTF-8: a guessed name could open some other file.
std::optional<std::wstring> NaUtf16(std::string_view Utf8);

// An unpaired surrogate, which a Windows file name may hold, becomes U+FFFD.
std::string ZUtf16(std::wstring_view Utf16);

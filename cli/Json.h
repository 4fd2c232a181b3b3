#pragma once

// JSON written straight into the output, field by field, with no tree of values built first:
// the form nlohmann's compact dump gives, which the tool's JSON has always had.

#include <string>
#include <string_view>

// A JSON string, quoted: of bytes that should be UTF-8, each invalid piece written as U+FFFD, as
// utf8::ZZastepnikami does.
void DopiszNapisJson(std::string& Wyjscie, std::string_view Utf8);

// A JSON string, quoted, of Windows-1250 text.
void DopiszNapisJsonZCp1250(std::string& Wyjscie, std::string_view Cp1250);

#pragma once

// CSV fields as RFC 4180 writes them, for every CSV the tool prints.

#include <string>
#include <string_view>

// A field holding a comma, a quote or a line break is quoted, its quotes doubled; any other
// field goes as it is.
void DopiszPoleCsv(std::string& Wyjscie, std::string_view Pole);

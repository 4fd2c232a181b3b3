#pragma once

#include <string>

// The About text of InfoMemo: 17 lines in Windows-1250, separated by line feeds.
std::string TekstInformacji();

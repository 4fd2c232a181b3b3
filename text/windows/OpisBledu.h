#pragma once

// The system's own description of an error code, in the user's language.

#include <string>

// As UTF-8, without the line break Windows ends it with; "Error <code>" when the system has no
// text for the code.
std::string OpisBleduSystemu(unsigned long Kod);

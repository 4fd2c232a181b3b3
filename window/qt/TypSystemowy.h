#pragma once

#include <string>

// The description of the file's type in the freedesktop shared-mime-info database, looked up
// from the real file (its name and its content), in Polish whatever the locale, since the report
// around it is Polish; Windows-1250 text. Empty when the file is gone or
// nothing is known of its type.
std::string PobierzTypSystemowy(const std::string& Sciezka);

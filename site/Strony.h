#pragma once

// The site's pages, in Polish, as UTF-8 HTML. Every value that came from outside is escaped.
// Links are relative, so the pages work at whatever host and folder the site is reached.

#include <string>
#include <vector>

#include "site/Triaz.h"
#include "site/Ustawienia.h"

std::string StronaGlowna(const TUstawienia& Ustawienia);
std::string StronaAktualizacji(const TUstawienia& Ustawienia);
std::string StronaPodziekowania();
std::string StronaOdrzuconegoZgloszenia(const std::string& Powod);
std::string StronaBledu(int Status);
std::string StronaZgloszen(const std::vector<TGrupaZgloszen>& Grupy);

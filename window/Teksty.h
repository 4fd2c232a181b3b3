#pragma once

// The window's own texts. The constants are UTF-8 in the source; what the window shows and asks
// is their Windows-1250 form.

// The application's title: the program's name on the desktop and the error box's caption.
inline constexpr char NazwaAplikacji[] = "Rozpoznik";

// The window caption: the program's name and version.
inline constexpr char TytulOkna[] = "Rozpoznik wersja 1.4";

// Shown in InfoLabel when several candidates fit.
inline constexpr char TekstNiejednoznacznosci[] =
    "Brak jednoznaczności. Przewiń by zobaczyć alternatywy.";

// The error box's text for an error that carries no text of its own.
inline constexpr char TekstNieznanegoBledu[] = "Nieznany błąd.";

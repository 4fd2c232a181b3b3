#pragma once

// The source rows of the pattern table, apart from the table so that the signature table can
// check its rows against the patterns a file can fit at the same time. Every row is given from
// outside and stands as it is.
//
// Patterns over the leading hex digits; "*" stands for any one digit. Rows 0 to 23 spell the
// beginning of a ZIP whose first entry, "mimetype", names an OpenDocument or StarOffice XML type,
// cut at 160 digits.

#include <array>

#include "catalogue/Katalog.h"
#include "catalogue/ZasadyKatalogu.h"

// clang-format off
inline constexpr std::array<TWierszZrodlowy, RozmiarBazyWzorcow> WierszeWzorcow = {{
    {"ODT", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E74657874", "Dokument Open Office Writer", "Dokument tekstowy", "Open Office 2\rStar Office 8"},
    {"OTT", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E746578742D7465", "Szablon Open Office Writer", "Dokument tekstowy", "Open Office 2\rStar Office 8"},
    {"OTH", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E746578742D7765", "Szablon HTML Open Office Writer", "Dokument tekstowy", "Open Office 2\rStar Office 8"},
    {"ODM", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E746578742D6D61", "Dokument główny Open Office Writer", "Dokument tekstowy", "Open Office 2\rStar Office 8"},
    {"ODG", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E67726170686963", "Obraz Open Office Draw", "Obraz wektorowy", "Open Office 2\rStar Office 8"},
    {"OTG", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E67726170686963", "Szablon Open Office Draw", "Obraz wektorowy", "Open Office 2\rStar Office 8"},
    {"ODP", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E70726573656E74", "Prezentacja Open Office Impress", "Prezentacja", "Open Office 2\rStar Office 8"},
    {"OTP", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E70726573656E74", "Szablon Open Office Impress", "Prezentacja", "Open Office 2\rStar Office 8"},
    {"ODS", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E73707265616473", "Arkusz Open Office Calc", "Arkusz kalkulacyjny", "Open Office 2\rStar Office 8"},
    {"OTS", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E73707265616473", "Szablon Open Office Calc", "Arkusz kalkulacyjny", "Open Office 2\rStar Office 8"},
    {"ODC", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E6368617274", "Wykres Open Office", "Wykres", "Open Office 2\rStar Office 8"},
    {"ODF", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E666F726D756C61", "Wzory matematyczne Open Office", "Wzór matematyczny", "Open Office 2\rStar Office 8"},
    {"ODB", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E64617461626173", "Baza Open Office Base", "Baza danychy", "Open Office 2\rStar Office 8"},
    {"ODI", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E6F617369732E6F70656E646F63756D656E742E696D616765", "Obraz Open Office Draw", "Obraz rastrowy", "Open Office 2\rStar Office 8"},
    {"SXW", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E777269746572", "Dokument Open Office Writer", "Dokument tekstowy", "Open Office 1\rStar Office 6"},
    {"STW", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E7772697465722E74656D706C617465", "Szablon Open Office Writer", "Dokument tekstowy", "Open Office 1\rStar Office 6"},
    {"SXC", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E63616C63", "Arkusz Open Office Calc", "Arkusz kalkulacyjny", "Open Office 1\rStar Office 6"},
    {"STC", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E63616C632E74656D706C617465", "Szablon Open Office Calc", "Arkusz kalkulacyjny", "Open Office 1\rStar Office 6"},
    {"SXD", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E64726177", "Obraz Open Office Draw", "Obraz", "Open Office 1\rStar Office 6"},
    {"STD", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E647261772E74656D706C617465", "Szablon Open Office Draw", "Obraz", "Open Office 1\rStar Office 6"},
    {"SXI", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E696D7072657373", "Prezentacja Open Office Impress", "Prezentacja", "Open Office 1\rStar Office 6"},
    {"STW", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E696D70726573732E74656D706C617465", "Szablon Open Office Impress", "Prezentacja", "Open Office 1\rStar Office 6"},
    {"SXG", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E7772697465722E676C6F62616C", "Dokument główny Open Office Writer", "Dokument tekstowy", "Open Office 1\rStar Office 6"},
    {"SXM", "504B********************************************************6D696D65747970656170706C69636174696F6E2F766E642E73756E2E786D6C2E6D617468", "Wzory matematyczne Open Office", "Wzór matematyczny", "Open Office 1\rStar Office 6"},
    {"CDR", "52494646********434452", "Obraz Corel Draw", "Obraz wektorowy", "Corel DRAW"},
    {"WAV", "52494646********57415645", "Windows Audio", "Plik dźwiękowy", "WinAMP\rMedia Player Classic\rAudacity"},
    {"AVI", "52494646********415649", "Kontener audio-wideo Audio Video Interchange", "Film", "Media Player Classic\rWindows Media Player\rVirtual Dub"},
    {"MOV", "********6D646174", "Quick Time Movie", "Film", "Media Player Classic+QuickTimeAlternative\rQuickTime"},
    {"MOV", "********6D6F6F76", "Quick Time Movie", "Film", "Media Player Classic+QuickTimeAlternative\rQuickTime"},
    {"JP2", "********6A50", "Obraz JPEG2000", "Obraz rastrowy", "Corel Photopaint\rXnView"},
    {"TXT", "****3A****3A****3A", "Napisy w formacie TMPlayer", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"TXT", "**3A****3A****3A", "Napisy w formacie Short TMPlayer", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"SRT", "310D0A30303A****3A", "Napisy w formacie SubRipper", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"TXT", "7B**7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"TXT", "7B****7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"TXT", "7B******7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"TXT", "7B********7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"TXT", "7B**********7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"TXT", "7B************7D7B", "Napisy w formacie MicroDVD", "Napisy filmowe", "ffdShow\rMedia Player Classic\rVPlayer"},
    {"GZA", "********475A4950", "Archiwum GZA", "Archiwum", "IZarc"},
    {"BZA", "********425A32", "Archiwum BZA", "Archiwum", "IZarc"},
    {"LHA", "******6C68", "Archiwum LHA", "Archiwum", "IZarc"},
    {"LZH", "******6C68", "Archiwum LHA", "Archiwum", "IZarc"},
    {"ANI", "52494646********41434F4E4C495354", "Animowany kursor Windows", "Animacja rastrowa", "Microsoft Windows"},
    {"3GPP", "000000**66747970336770", "3rd Generation Partnership Project's multimedia file", "Kontener audio-wideo", "QuickTime\rMPlayer\rVLC Player"},
    {"MPG", "52494646********43445841666D74", "plik VideoCD/Super VideoCD", "Film", "Media Player Classic\rPower DVD"},
    {"MPG", "52494646********43444441666D74", "plik CD Audio", "Plik muzyczny", "CDex\rWinAMP"},
    {"AIF", "464F524D********41494646", "Audio Interchange File Format", "Film", "WinAMP"},
    {"WRI", "**BE000000AB000000", "WRITE document", "Dokument tekstowy", "WordPad"},
    {"DBF", "02************************0000", "Data Base File (FoxBase)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "03************************0000", "Data Base File (baza bez DBT)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "04************************0000", "Data Base File (dBASE IV bez memo)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "05************************0000", "Data Base File (dBASE IV bez memo)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "30************************0000", "Data Base File (Visual FoxPro)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "31************************0000", "Data Base File (Visual FoxPro bez DBC)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "7B************************0000", "Data Base File (dBASE IV z memo)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "83************************0000", "Data Base File (baza z DBT)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "83************************0000", "Data Base File (dBASE II+ z memo)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "8B************************0000", "Data Base File (dBASE IV bez memo)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "8E************************0000", "Data Base File (dBASE IV bez tabeli SQL)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "F5************************0000", "Data Base File (FoxPro bez memo)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"DBF", "FB************************0000", "Data Base File (FoxPro)", "Baza danych", "dBASE\rClipper\rFoxPro\rMicrosoft Excel"},
    {"WPD", "**575043", "WordPerfect Demo/Screen Driver/Document", "?", "WordPerfect"},
    {"CPF", "53504543312E30**********63616368652070726F66696C65", "Abuse", "Plik gry", "Abuse (gra)"},
    {"SIS", "******10123A00101904", "Symbian OS Installer File", "Archiwum", "Palm OS Emulator\rUnSIS Utility"},
    {"ZOR", "**5A6F7274616D", "Zortam MP3 Media Studio", "-", "Zortam MP3 Media Studio"},
    {"GBA", "******EA", "Nintendo Game Boy Advance ROM Image", "Obraz pamięci", "VisualBoyAdvance"},
    {"GBA", "******EA", "Nintendo Game Boy Advance ROM Image", "Obraz pamięci", "VisualBoyAdvance"},
}};
// clang-format on

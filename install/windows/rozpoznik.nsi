; The Windows installer, built by cmake/ZbudujWydanie.cmake, which passes:
;   WERSJA        the project's version (1.4)
;   WERSJA_PLIKU  the same in the four numbers a version resource holds (1.4.0.0)
;   PLIKI         the folder with rozpoznik.exe, rozpoznik-cli.exe, readme.txt and licencja.txt
;   INSTALATOR    the installer to write
;   PODPIS        (optional) the command that signs a program in place, given its path as %1
;
; The default is an install for the current user under %LOCALAPPDATA%\Programs\Rozpoznik: there
; the user may re-date readme.txt, the marker that paces the update check, and needs no
; administrator. An install for all users goes under Program Files, where only an administrator
; may; readme.txt explains what that means for the update check.

; A 64-bit installer for 64-bit programs: it sees the same registry and Program Files as they do,
; and a 32-bit Windows refuses it before it starts.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define NAZWA "Rozpoznik"
!define WYDAWCA "Rozpoznik"
!define PROGRAM "rozpoznik.exe"
!define DEINSTALATOR "odinstaluj.exe"
; The entry in the list of installed programs, under HKCU or HKLM as the install mode says. Its
; InstallLocation also tells an upgrade where the older version lies.
!define KLUCZ "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAZWA}"
; "Rozpoznaj w Rozpozniku" on the context menu of every file, under the same branch. The key's
; name is fixed, so that an upgrade writes over the verb it made before instead of adding one.
!define CZASOWNIK "Software\Classes\*\shell\${NAZWA}"

Name "${NAZWA} ${WERSJA}"
OutFile "${INSTALATOR}"
BrandingText "${NAZWA} ${WERSJA}"

VIProductVersion "${WERSJA_PLIKU}"
VIFileVersion "${WERSJA_PLIKU}"
VIAddVersionKey /LANG=1045 "ProductName" "${NAZWA}"
VIAddVersionKey /LANG=1045 "ProductVersion" "${WERSJA}"
VIAddVersionKey /LANG=1045 "FileVersion" "${WERSJA}"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu ${NAZWA} ${WERSJA}"
VIAddVersionKey /LANG=1045 "CompanyName" "${WYDAWCA}"
VIAddVersionKey /LANG=1045 "LegalCopyright" "GNU GPL 3 lub nowsza"

!ifdef PODPIS
  !uninstfinalize '${PODPIS}'
!endif

; "Highest" asks an administrator's consent only of an account that is one, and only such an
; account is offered the all-users install; the current user stays the default either way.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAZWA}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${KLUCZ}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${KLUCZ}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_TOP "Tylko dla Ciebie: bez uprawnień administratora, a o nowszą wersję program pyta najwyżej raz w tygodniu. Dla wszystkich (w folderze Program Files): gdy jest nowsza wersja, pyta o nią przy każdym uruchomieniu. $(^ClickNext)"

!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${PLIKI}\licencja.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Polish"

; MultiUser sets the folder of the mode (or of the older install) over one given with /D=, so the
; folder asked for on the command line is put back.
Function .onInit
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "${PLIKI}\rozpoznik.exe"
  File "${PLIKI}\rozpoznik-cli.exe"
  File "${PLIKI}\readme.txt"
  File "${PLIKI}\licencja.txt"
  WriteUninstaller "$INSTDIR\${DEINSTALATOR}"

  CreateShortcut "$SMPROGRAMS\${NAZWA}.lnk" "$INSTDIR\${PROGRAM}"
  ; Send To has no folder for all users: the shortcut goes to the installing user's.
  CreateShortcut "$SENDTO\${NAZWA}.lnk" "$INSTDIR\${PROGRAM}"

  ; SHCTX is HKLM or HKCU as MultiUser set the shell context; the uninstaller is told the mode
  ; it was installed in, so that it cleans the same places.
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $0 "/AllUsers"
  ${Else}
    StrCpy $0 "/CurrentUser"
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegStr SHCTX "${KLUCZ}" "DisplayName" "${NAZWA}"
  WriteRegStr SHCTX "${KLUCZ}" "DisplayVersion" "${WERSJA}"
  WriteRegStr SHCTX "${KLUCZ}" "Publisher" "${WYDAWCA}"
  WriteRegStr SHCTX "${KLUCZ}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr SHCTX "${KLUCZ}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${KLUCZ}" "UninstallString" '"$INSTDIR\${DEINSTALATOR}" $0'
  WriteRegStr SHCTX "${KLUCZ}" "QuietUninstallString" '"$INSTDIR\${DEINSTALATOR}" $0 /S'
  WriteRegDWORD SHCTX "${KLUCZ}" "EstimatedSize" $1
  WriteRegDWORD SHCTX "${KLUCZ}" "NoModify" 1
  WriteRegDWORD SHCTX "${KLUCZ}" "NoRepair" 1

  WriteRegStr SHCTX "${CZASOWNIK}" "" "Rozpoznaj w Rozpozniku"
  WriteRegStr SHCTX "${CZASOWNIK}" "Icon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr SHCTX "${CZASOWNIK}\command" "" '"$INSTDIR\${PROGRAM}" "%1"'
SectionEnd

; Only what the installer made goes: files the user put in the folder stay, and so does the
; folder then.
Section "Uninstall"
  Delete "$INSTDIR\rozpoznik.exe"
  Delete "$INSTDIR\rozpoznik-cli.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\licencja.txt"
  Delete "$INSTDIR\${DEINSTALATOR}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAZWA}.lnk"
  Delete "$SENDTO\${NAZWA}.lnk"
  DeleteRegKey SHCTX "${CZASOWNIK}"
  ; Their parents go only when nothing else is left in them.
  DeleteRegKey /ifempty SHCTX "Software\Classes\*\shell"
  DeleteRegKey /ifempty SHCTX "Software\Classes\*"
  DeleteRegKey SHCTX "${KLUCZ}"
SectionEnd

; The per-user installer of Corvessa. It needs no administrator rights: it puts the programs of
; the machine's width into the user's own programs folder, makes Corvessa the active screen saver
; (SCRNSAVE.EXE, and the saver turned on for this session and later ones, as the system's own
; settings turn it on), adds an entry to the user's Start menu that chooses Corvessa again after
; another saver has been tried, and registers an uninstaller with the user's programs. It writes
; nothing else. The uninstaller takes all of it away again but the user's Corvessa.ini, unless
; asked; only while SCRNSAVE.EXE still names this copy does it remove that value and turn the
; saver off, as choosing "(None)" does, and otherwise it leaves the user's choice as it is.
; packaging/CMakeLists.txt defines VERSION, WIN64_DIR and WIN32_DIR (the two builds' staged
; files), ICON and OUTFILE, and SIGN_FILE where the packages are signed; TEST_AMD64 builds the
; same script with a 64-bit stub, for the installer's test on machines whose Wine runs no 32-bit
; code. That build is never shipped.
!ifdef SIGN_FILE
; The uninstaller once written, and the installer, signed by the programs' signing command.
; Without "= 0" a failing signature would leave the file unsigned and makensis reporting success.
!uninstfinalize '"${SIGN_FILE}" "%1"' = 0
!finalize '"${SIGN_FILE}" "%1"' = 0
!endif
!ifdef TEST_AMD64
Target amd64-unicode
; A 64-bit stub knows ${RunningX64} while compiling, so its other branch's label goes unused.
!pragma warning disable 6012
!endif
Unicode true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvessa"
!define DESKTOP_KEY "Control Panel\Desktop"
; The Start-menu entry's names by the system's language. The uninstaller and a later install
; remove both: the system's language may have changed since the entry was made.
!define SHORTCUT_ENGLISH "Use Corvessa as the screen saver"
!define SHORTCUT_JAPANESE "Corvessa をスクリーン セーバーに設定"

Name "Corvessa ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Corvessa"
; A second install goes where the first one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ManifestDPIAware true
BrandingText "Corvessa ${VERSION}"
; The uninstaller's choice of parts would otherwise show a space "required" of 0 KB.
SpaceTexts none

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_CUSTOMFUNCTION_GUIINIT paintHeaderIcon
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.paintHeaderIcon

!insertmacro MUI_PAGE_LICENSE "${WIN64_DIR}/LICENSE"
!insertmacro MUI_PAGE_INSTFILES
; Ticked, it opens the screen-saver settings with Corvessa chosen; a silent install shows no page
; and so opens nothing.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSaverSettings)"
!define MUI_FINISHPAGE_RUN_FUNCTION openSaverSettings
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(KeepSettingsHint)"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one shown where the system's language is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString ProgramsSection ${LANG_ENGLISH} "Corvessa"
LangString ProgramsSection ${LANG_JAPANESE} "Corvessa 本体"
LangString SettingsSection ${LANG_ENGLISH} "Music settings (Corvessa.ini)"
LangString SettingsSection ${LANG_JAPANESE} "音楽の設定 (Corvessa.ini)"
LangString KeepSettingsHint ${LANG_ENGLISH} "Your music settings are kept unless you tick them here."
LangString KeepSettingsHint ${LANG_JAPANESE} "音楽の設定は、ここでチェックを入れない限り残ります。"
LangString SaverShortcut ${LANG_ENGLISH} "${SHORTCUT_ENGLISH}"
LangString SaverShortcut ${LANG_JAPANESE} "${SHORTCUT_JAPANESE}"
LangString OpenSaverSettings ${LANG_ENGLISH} "Open the screen-saver settings"
LangString OpenSaverSettings ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"

; SystemParametersInfo(SPI_SETSCREENSAVEACTIVE = 17, ON, NULL, SPIF_UPDATEINIFILE |
; SPIF_SENDCHANGE = 3): the running session takes it at once and the profile keeps it for later
; logons. ScreenSaveActive written into the registry behind the system's back would be seen only
; at the next logon.
!macro SET_SCREEN_SAVER_ACTIVE ON
    System::Call "user32::SystemParametersInfoW(i 17, i ${ON}, p 0, i 3)"
!macroend

!macro REMOVE_SAVER_SHORTCUTS
    SetShellVarContext current
    Delete "$SMPROGRAMS\${SHORTCUT_ENGLISH}.lnk"
    Delete "$SMPROGRAMS\${SHORTCUT_JAPANESE}.lnk"
!macroend

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Corvessa"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Corvessa setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "The Corvessa developers"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 The Corvessa developers"

Section "Corvessa"
    SetOutPath "$INSTDIR"
    ${If} ${RunningX64}
        File "${WIN64_DIR}/Corvessa.scr"
        File "${WIN64_DIR}/Corvessa.dll"
    ${Else}
        File "${WIN32_DIR}/Corvessa.scr"
        File "${WIN32_DIR}/Corvessa.dll"
    ${EndIf}
    File "${WIN64_DIR}/LICENSE"
    File "${WIN64_DIR}/README.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The short form, as the systems' own screen-saver settings have written it: the system
    ; starts the saver by this value with " /s" appended, not quoted on the older systems, so a
    ; space in the path (a user name such as "Taro Yamada") would cut the command there. The
    ; short form has no spaces; where the volume keeps no short names it is the long path.
    GetFullPathName /SHORT $0 "$INSTDIR\Corvessa.scr"
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
    ; Where the user had chosen "(None)", a named saver alone would never start. The idle time
    ; and the logon screen on resume stay as the user set them.
    !insertmacro SET_SCREEN_SAVER_ACTIVE 1

    ; The system's settings list only the savers in the system's folders and the one chosen now:
    ; once the user has tried another, this entry is the way back. It runs what the .scr file's
    ; own Install command runs, with the value's short form for the same reason. Explorer, which
    ; starts it, is native, so System32 is the native folder there.
    !insertmacro REMOVE_SAVER_SHORTCUTS
    CreateShortCut "$SMPROGRAMS\$(SaverShortcut).lnk" "$WINDIR\System32\rundll32.exe" \
        "desk.cpl,InstallScreenSaver $0" "$INSTDIR\Corvessa.scr" 0 SW_SHOWNORMAL "" "$(SaverShortcut)"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Corvessa"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Corvessa developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvessa.scr"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "un.$(ProgramsSection)" UnProgramsSection
    SectionIn RO
    ; Only while the value still names this copy, in either form: the user may have chosen
    ; another saver since, or this one again through its own Install command.
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    GetFullPathName /SHORT $1 "$0"
    GetFullPathName /SHORT $2 "$INSTDIR\Corvessa.scr"
    ${If} $0 == "$INSTDIR\Corvessa.scr"
    ${OrIf} $0 == $2
    ${OrIf} $1 == $2
        ${If} $0 != ""
            DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
            !insertmacro SET_SCREEN_SAVER_ACTIVE 0
        ${EndIf}
    ${EndIf}
    !insertmacro REMOVE_SAVER_SHORTCUTS

    Delete "$INSTDIR\Corvessa.scr"
    Delete "$INSTDIR\Corvessa.dll"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\Uninstall.exe"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; Stays while Corvessa.ini or anything of the user's is left in it.
    RMDir "$INSTDIR"
SectionEnd

Section /o "un.$(SettingsSection)" UnSettingsSection
    Delete "$INSTDIR\Corvessa.ini"
    RMDir "$INSTDIR"
SectionEnd

; The uninstaller runs as a copy in the temporary folder, so that it can empty its own. The
; system would remove that copy only at a restart, and for a user without administrator rights
; not even then: a hidden command shell removes it once this process has ended.
Function un.onUninstSuccess
    ${GetParent} "$EXEDIR" $0
    ${GetFileName} "$EXEDIR" $1
    StrCpy $1 $1 4
    ${If} $0 == $TEMP
    ${AndIf} $1 == "~nsu"
        ; Its window is hidden, so its output needs no redirection (which some shells
        ; misread inside the parentheses). It must not stand in a folder it may remove.
        ExpandEnvStrings $2 "%COMSPEC%"
        SetOutPath "$TEMP"
        ExecShell "open" "$2" '/c for /l %i in (1,1,10) do @if exist "$EXEDIR" (ping -n 2 127.0.0.1 & rd /s /q "$EXEDIR" )' SW_HIDE
    ${EndIf}
FunctionEnd

; The same command as the Start-menu entry's. A 32-bit installer on 64-bit Windows sees the
; 32-bit system folder under the name System32; the native rundll32, whose settings page is the
; system's own and shows the 64-bit saver, is reached there through Sysnative.
Function openSaverSettings
    GetFullPathName /SHORT $0 "$INSTDIR\Corvessa.scr"
    StrCpy $1 "$WINDIR\System32"
    !if ${NSIS_PTR_SIZE} <= 4
        ${If} ${RunningX64}
            StrCpy $1 "$WINDIR\Sysnative"
        ${EndIf}
    !endif
    Exec '"$1\rundll32.exe" desk.cpl,InstallScreenSaver $0'
FunctionEnd

; The icon in the white header of every page (control 1039) is drawn over its control's
; background, the dialog's face colour unless told otherwise: a square of it showed around the
; round icon. The header's own white fills it instead.
!macro PAINT_HEADER_ICON
    GetDlgItem $0 $HWNDPARENT 1039
    SetCtlColors $0 "" "${MUI_BGCOLOR}"
!macroend
Function paintHeaderIcon
    !insertmacro PAINT_HEADER_ICON
FunctionEnd
Function un.paintHeaderIcon
    !insertmacro PAINT_HEADER_ICON
FunctionEnd

; A silent uninstall removes the music settings too when given /REMOVESETTINGS.
Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${UnSettingsSection}
    ${EndIf}
FunctionEnd

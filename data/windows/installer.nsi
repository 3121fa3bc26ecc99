; SPDX-License-Identifier: MIT
; The installer for one user: no administrator rights, the files in the
; user's own programs folder, a Start-menu entry and, if chosen, a start at
; login. /S installs silently, /D=<folder> (last) chooses the folder.
; makensis -DIDENTITY=<installer-identity.nsh of the build> -DSTAGE=<files>
;   -DICON=<.ico> -DOUTFILE=<.exe>
; The program is 64-bit only, and so is Wine without its 32-bit part.
Target amd64-unicode
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
; VERSION, VERSION_QUAD and COPYRIGHT, as the build wrote them.
!include "${IDENTITY}"

!define NAME "VH-WREN-TICKER"
!define PUBLISHER "VOLT-HARBOR"
!define EXE "vh-wren-ticker.exe"
!define ID "example.voltharbor.VhWrenTicker"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ID}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Where the program keeps its settings: the organisation, then the
; executable's name.
!define SETTINGS_KEY "Software\VH_WTK\vh-wren-ticker"
; The one-strip guard of a running vh-wren-ticker.exe in this session, which
; Windows removes when its process has ended.
!define RUNNING_MUTEX "Local\example.voltharbor.VhWrenTicker-vh-wren-ticker_windows"

Name "${NAME}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

; The name, maker and version Explorer shows for the installer; the
; uninstaller it writes carries the same.
VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running copy holds its files; asked to close, it saves as at any close,
; which may take a loaded machine a while: wait until it has ended, for up
; to 20 s.
!macro CloseRunning
    nsExec::Exec 'taskkill /IM ${EXE}'
    Pop $0
    StrCpy $1 0
    ${Do}
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
        ${If} $0 == 0
            ${Break}
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        Sleep 100
        IntOp $1 $1 + 1
    ${LoopUntil} $1 >= 200
!macroend

Section "${NAME}" SectionProgram
    SectionIn RO
    !insertmacro CloseRunning
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KB, of what is installed: Windows' Apps list shows it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The program writes the value itself, as its --start-at-login does.
Section /o "Start at login" SectionLogin
    ExecWait '"$INSTDIR\${EXE}" --start-at-login on'
SectionEnd

Section "un.${NAME}" SectionUninstallProgram
    SectionIn RO
    !insertmacro CloseRunning
    DeleteRegValue HKCU "${RUN_KEY}" "${ID}"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    ; Only what the installer put there: the folder may hold the user's own
    ; files too.
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
    Delete "$INSTDIR\platforms\qwindows.dll"
    Delete "$INSTDIR\styles\*.dll"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR\platforms"
    RMDir "$INSTDIR\styles"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Settings (window positions and choices)" SectionUninstallSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\VH_WTK"
SectionEnd

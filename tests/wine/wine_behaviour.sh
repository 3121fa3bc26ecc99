#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers the Windows build: src/platform/windows/, the registry medium of
# src/settings/ and data/windows/installer.nsi.
# The Windows program under Wine, in Wine's virtual desktop (the prefix's
# default desktop, set up by scripts/windows.sh), where Wine keeps the z-order
# and the foreground as Windows does: the strip stays above a
# newly activated window, which keeps the keyboard; a second start raises the
# first strip; the settings are text values in the registry after a close; a
# start after a killed run works, even when its lock names a live process;
# the tooltip tells of Fast Startup where it is on. The installer installs
# silently into the folder asked for, with the uninstall entry that Windows'
# Apps list and winget read; installed again over a running copy, it closes
# it and keeps the settings and the start at login; its uninstaller removes
# the files and the Run value but keeps the settings.
# Usage: wine_behaviour.sh PROGRAM OTHER_WINDOW WINDOW_LISTER INSTALLER SHOTS VERSION LICENSE
set -euo pipefail
program="$1" other="$2" lister="$3" installer="$4" version="$6" license="$7"
# One folder of pictures for each Windows version the prefix reports.
shots="$5/${VH_WINDOWS_VERSION:-win10}"
source "$(dirname "$0")/../support/wine_checks.sh"
mkdir -p "$shots"

# Line number of a window in the list, topmost first.
rank() { windows | grep -n -F -m1 "$1|" | cut -d: -f1; }
count() { windows | grep -c -F "$1|" || true; }

start "$program"
eventually shown "$strip" || fail "the strip did not appear"

# With Fast Startup on, hovering the strip says since when the count runs.
wine reg add 'HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Power' \
    /v HiberbootEnabled /t REG_DWORD /d 1 /f >/dev/null
IFS='|' read -r _ left top right bottom _ < <(windows | grep -F -m1 "$strip|")
# Qt waits for the pointer to rest on the window, after it has moved there;
# near the strip's lower left corner the tooltip comes out below it.
xdotool mousemove --window "$(desktop)" $((left + 30)) $((bottom - 6))
sleep 0.3
xdotool mousemove --window "$(desktop)" $((left + 20)) $((bottom - 6))
sleep 2
import -window "$(desktop)" -crop "480x80+$left+$top" "$shots/wine-fast-startup-tooltip.png"
xdotool mousemove --window "$(desktop)" 5 5

# A newly started window comes to the front and takes the keyboard; the
# keeper, ticking each second, puts the strip above it without taking either.
start "$other" Other >"$work/other.out"
eventually foreground Other || fail "the other window did not come to the front"
above_other() { [ "$(rank "$strip")" -lt "$(rank Other)" ]; }
eventually above_other || fail "the strip is not above the other window"
foreground Other || fail "the keeper took the activation from the other window"
xdotool type --delay 100 typed
sleep 1
wine taskkill /IM x11_other_window.exe >/dev/null
eventually grep -q '^typed: typed' "$work/other.out" ||
    fail "the other window did not get the keys: $(cat "$work/other.out")"

# A second start hands over to the first, which comes to the front.
timeout "$((30 * factor))" "$wine_run" "$program" || fail "the second start ended with status $?"
eventually foreground "$strip" || fail "the second start did not raise the strip"
[ "$(count "$strip")" = 1 ] || fail "$(count "$strip") strips"

# The About window opens from the keyboard, and from it the live window.
xdotool key Return
eventually shown 'VH-WREN-TICKER - ABOUT' || fail "Return opened no About window"
# OK has the focus; "Live Calculations" is third after it in the tab order.
xdotool key Tab Tab Tab space
eventually shown 'VH-WREN-TICKER - LIVE CALCULATIONS' || fail "the live window did not open"

# Ended as a logout ends it (WM_QUERYENDSESSION, then WM_ENDSESSION), it
# unloads its three windows and saves, as text values.
wine wineboot --end-session
eventually hidden "$strip" || fail "the session's end did not end the strip"
wine reg query 'HKCU\Software\VH_WTK\vh-wren-ticker' | tr -d '\r' | tee "$work/reg"
grep -Eq '^ +MAIN_Left +REG_SZ +-?[0-9]' "$work/reg" || fail "no MAIN_Left text in the registry"

# A killed run leaves its lock behind, and Windows soon gives its process id
# to another process; the next start must not be stopped by either.
start "$program"
eventually shown "$strip" || fail "the strip did not appear"
wine taskkill /F /IM vh-wren-ticker.exe >/dev/null
eventually hidden "$strip" || fail "the strip was not killed"
# The lock file alone takes a live process of the program's name for the
# holder, so the other window runs under that name.
mkdir "$work/namesake"
cp "$other" "$work/namesake/vh-wren-ticker.exe"
start "$work/namesake/vh-wren-ticker.exe" Namesake
eventually shown Namesake || fail "the namesake did not appear"
lock="$(find "$WINEPREFIX/drive_c/users" -name '*.lock' -path '*vh-wren-ticker*')"
[ -n "$lock" ] || fail "the killed run left no lock"
sed -i "1s/.*/$(field Namesake 7)/" "$lock"
start "$program"
eventually shown "$strip" || fail "the start after a killed run showed no strip"
# Each by its process: Wine 10's taskkill by name leaves the strip open
# when another process goes by the same name.
wine taskkill /PID "$(field Namesake 7)" >/dev/null
wine taskkill /PID "$(field "$strip" 7)" >/dev/null
eventually hidden "$strip" || fail "the strip did not close"

# Installed silently for this user into the folder asked for (/D= comes
# last and takes no quotes), with its uninstall entry.
folder='C:\Tools\VH-WREN-TICKER'
wine "$installer" /S "/D=$folder"
installed="$WINEPREFIX/drive_c/Tools/VH-WREN-TICKER/vh-wren-ticker.exe"
[ -e "$installed" ] || fail "nothing installed in $folder"
find "$WINEPREFIX/drive_c/users" -name 'VH-WREN-TICKER.lnk' | grep -q . || fail "no Start-menu entry"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\example.voltharbor.VhWrenTicker' |
    tr -d '\r' >"$work/entry"
entry() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" "$work/entry"; }
for value in DisplayName DisplayIcon UninstallString QuietUninstallString NoModify NoRepair; do
    [ -n "$(entry "$value")" ] || fail "no $value in the uninstall entry: $(cat "$work/entry")"
done
[ "$(entry DisplayVersion) $(entry Publisher)" = "$version VOLT-HARBOR" ] ||
    fail "version and publisher: $(cat "$work/entry")"
[ "$(entry InstallLocation)" = "$folder" ] || fail "installed at $(entry InstallLocation)"
size=$(($(entry EstimatedSize))) files="$(du -sk --apparent-size "$(dirname "$installed")" | cut -f1)"
[ $((size * 20)) -ge $((files * 19)) ] && [ $((size * 20)) -le $((files * 21)) ] ||
    fail "EstimatedSize $size KB for $files KB of files"
"$(dirname "$0")/windows_resources.py" "$version" "$license" "$installed" \
    "$(dirname "$installed")/uninstall.exe" || fail "the installed files' version resources"

# Without the build's Qt on the path: the installed files must do.
WINEPATH= wine "$installed" &
eventually shown "$strip" || fail "the installed program showed no strip"
WINEPATH= wine "$installed" --start-at-login on
run_value() {
    wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' \
        /v example.voltharbor.VhWrenTicker >/dev/null 2>&1
}
no_run_value() { ! run_value; }
run_value || fail "no Run value"

# Installed again over the running copy, which closes, saving as it does,
# before its files are replaced; the user's settings and choices stay.
setting() { wine reg query 'HKCU\Software\VH_WTK\vh-wren-ticker' /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }
wine reg add 'HKCU\Software\VH_WTK\vh-wren-ticker' /v ABOUT_Left /d 2220 /f >/dev/null
wine reg delete 'HKCU\Software\VH_WTK\vh-wren-ticker' /v MAIN_Left /f >/dev/null
wine "$installer" /S "/D=$folder"
hidden "$strip" || fail "the installer replaced the files of a running copy"
[ -n "$(setting MAIN_Left)" ] || fail "the running copy did not save as it closed"
[ "$(setting ABOUT_Left)" = 2220 ] || fail "the reinstall changed the settings"
run_value || fail "the reinstall dropped the start at login"

wine "$(dirname "$installed")/uninstall.exe" /S
eventually test ! -e "$installed" || fail "the uninstaller left the program"
eventually test ! -e "$(dirname "$installed")/THIRD-PARTY-NOTICES.txt" || fail "the uninstaller left the notices"
eventually no_run_value || fail "the uninstaller left the Run value"
wine reg query 'HKCU\Software\VH_WTK\vh-wren-ticker' >"$work/kept" 2>&1 ||
    fail "the uninstaller removed the settings: $(tr -d '\r' <"$work/kept"; wine reg query 'HKCU\Software\VH_WTK' /s 2>&1 | tr -d '\r')"
echo "the program behaved under Wine; pictures in $shots"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a program of the Windows build under Wine; ctest's emulator for that
# build. Usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]
# Needs VH_QT_WINDOWS, the prefix of Qt for mingw, and WINEPREFIX.
set -euo pipefail
: "${VH_QT_WINDOWS:?the prefix of Qt for mingw}"

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Wine hides the Unix QT_ variables from Windows programs, which are meant for
# the Linux Qt; WINE<name> sets <name> for them.
while IFS='=' read -r name value; do
    case "$name" in
    QT_*) export "WINE$name=$value" ;;
    esac
done < <(env)
# Qt Test otherwise writes to the debugger rather than to standard error.
export WINEQT_ASSUME_STDERR_HAS_CONSOLE=1
# The offscreen platform draws with freetype, which finds no fonts of its own.
export WINEQT_QPA_FONTDIR="${VH_WINE_FONTDIR:-$(windows_path /usr/share/fonts/truetype/liberation)}"
gcc_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
export WINEPATH="$(windows_path "$VH_QT_WINDOWS/bin");$(windows_path "$gcc_runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"

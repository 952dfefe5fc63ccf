#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Windows installer in the cross build and checks it under Wine as a user would meet
# it: a silent install per machine, the installed programs run from Program Files (the desktop
# program up to its first drawn window), the Start-menu entry and the Apps & Features entry with
# version and publisher, a silent uninstall that leaves nothing behind; then the same into a
# folder picked with /D=.
# Needs WINEPREFIX (made by wine-prefix.sh) and a display. Usage: check-installer.sh BUILD-DIR
set -euo pipefail
build="$(realpath "${1:?usage: check-installer.sh BUILD-DIR}")"
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEDEBUG=-all
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
installer="$build/quorvex-$version-win64.exe"
(cd "$build" && cpack -G NSIS >/dev/null)
[ -f "$installer" ] || { echo "no installer $installer" >&2; exit 1; }

fail() { echo "installer check: $*" >&2; exit 1; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex Setup'
drive_c="$WINEPREFIX/drive_c"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvex Setup"

check_installed() { # FOLDER (Windows form) FOLDER (Unix form)
  local win="$1" unix="$2"
  for program in quorvex quorvex-inspect quorvex-write quorvex-script Uninstall; do
    [ -f "$unix/$program.exe" ] || fail "$program.exe not installed in $win"
  done
  [ -z "$(find "$unix" -iname '*.dll')" ] || fail "a DLL lies beside the programs"
  local first
  first="$(QUORVEX_STARTUP_PROBE=1 timeout 60 wine "$win\\quorvex.exe" | tr -d '\r')"
  [[ "$first" == "first window "* ]] || fail "quorvex.exe did not show its window: $first"
  timeout 60 wine "$win\\quorvex-inspect.exe" --help | grep -q "quorvex-inspect" ||
    fail "quorvex-inspect.exe --help"
  local entry
  entry="$(wine reg query "$key" /reg:64 2>/dev/null | tr -d '\r')"
  grep -q "DisplayVersion.*$version" <<<"$entry" || fail "no version in Apps & Features: $entry"
  grep -q "Publisher.*Quorvex Setup developers" <<<"$entry" || fail "no publisher in Apps & Features"
  [ -f "$menu/Quorvex Setup.lnk" ] || fail "no Start-menu entry"
}

check_removed() { # FOLDER (Windows form) FOLDER (Unix form)
  # The uninstaller hands over to a copy of itself outside the folder and returns at once.
  timeout 120 wine "$1\\Uninstall.exe" /S
  for _ in $(seq 60); do [ -e "$2" ] || break; sleep 1; done
  [ ! -e "$2" ] || fail "left behind: $(find "$2" | head -5)"
  [ ! -e "$menu" ] || fail "the Start-menu folder is left"
  ! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "the Apps & Features entry is left"
}

default_win='C:\Program Files\Quorvex Setup'
default_unix="$drive_c/Program Files/Quorvex Setup"
timeout 300 wine "$installer" /S
check_installed "$default_win" "$default_unix"
check_removed "$default_win" "$default_unix"

# /D= takes the rest of the command line unquoted; Wine would quote a path with spaces.
picked_win='C:\Kamera-Werkzeuge'
picked_unix="$drive_c/Kamera-Werkzeuge"
timeout 300 wine "$installer" /S "/D=$picked_win"
check_installed "$picked_win" "$picked_unix"
check_removed "$picked_win" "$picked_unix"
echo "installer check: $(basename "$installer") installs, runs and uninstalls"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Wine prefix $WINEPREFIX ready for the native windows' tests: a fresh 64-bit prefix of
# the test's own (never the user's), one virtual desktop instead of a window manager (without one,
# every closed window costs Wine about two seconds), no crash dialogs, and the Noto CJK fonts
# linked behind the dialog font so that Chinese and Japanese texts are drawn.
# Needs DISPLAY. Usage: WINEPREFIX=... scripts/wine-prefix.sh
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true
fonts="$WINEPREFIX/drive_c/windows/Fonts"
cjk=""
for f in /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc /usr/share/fonts/truetype/noto/NotoSansCJK-Regular.ttc; do
  [ -f "$f" ] && cjk="$f" && break
done
if [ -n "$cjk" ]; then
  cp -f "$cjk" "$fonts/NotoSansCJK-Regular.ttc"
fi
settings="$(mktemp --suffix=.reg)"
trap 'rm -f "$settings"' EXIT
{
  printf 'REGEDIT4\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n\r\n' "${QUORVEX_WINE_DESKTOP:-1600x1000}"
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]\r\n"winemenubuilder.exe"=""\r\n\r\n'
  if [ -n "$cjk" ]; then
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\r\n"Noto Sans CJK SC Regular (TrueType)"="NotoSansCJK-Regular.ttc"\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
      printf '"%s"=hex(7):%s\r\n' "$face" "$(printf 'NotoSansCJK-Regular.ttc,Noto Sans CJK SC\0\0' | od -An -tx1 | tr -s ' \n' ',' | sed 's/^,//;s/,$//')"
    done
    printf '\r\n'
  fi
} > "$settings"
wine regedit /S "$settings" >/dev/null 2>&1
wineserver -w

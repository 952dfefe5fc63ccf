#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Pictures of the main window and all ten forms in one language, for checking that nothing is
# cut or overlaps: every-window.sh DRIVER HOST LANGUAGE-POSITION OUT-FOLDER [SYSTEM-LANGUAGE]
#   docs/every-window.sh build/tools/script/quorvex-script qt 2 /tmp/shots/de
#   wine build-windows/tools/script/quorvex-script.exe ... (DRIVER may be "wine path.exe")
# The language position is the main window's list position (0 Chinese, 1 English, 2 German,
# 14 Russian); Chinese is shown as such on a Chinese system (SYSTEM-LANGUAGE 2052).
set -euo pipefail
driver="$1" host="$2" language="$3" out="$4" system="${5:-1033}"
mkdir -p "$out"
script="$(mktemp --suffix=.script)"
trap 'rm -f "$script"' EXIT
{
  echo "prefs $out/prefs"
  echo "system-language $system"
  echo "clock 2024-05-06 13:45:09"
  echo "start"
  echo "select 1081 3"
  echo "select 1080 $language"
  echo "screenshot $out/main.png"
  # model position, button, name
  while read -r model button name; do
    echo "select 1081 $model"
    echo "click $button"
    echo "screenshot $out/$name.png"
    echo "click 2"
  done <<'FORMS'
0 1000 generic
0 1001 mms
3 1000 p4
3 1001 p4mms
3 1002 p4smtp
2 1002 k4smtp
5 1000 k7
7 1000 p7
12 1000 k9
13 1000 d2
FORMS
  echo "close"
} > "$script"
$driver --host "$host" "$script" >/dev/null

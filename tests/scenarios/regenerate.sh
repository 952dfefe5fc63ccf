#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the transcript of each given scenario script (memory host) next to it as .expected.
# Review every change before committing: a wrong expected transcript hides a real fault.
set -euo pipefail
driver="$(realpath "${DRIVER:-$(dirname "$0")/../../build/tools/script/quorvex-script}")"
for script in "$@"; do
  work=$(mktemp -d)
  script="$(realpath "$script")"
  expected="${script%.script}.expected"
  if [ -d "$(dirname "$script")/cards" ]; then cp -r "$(dirname "$script")/cards" "$work/"; fi
  (cd "$work" && mkdir -p cache config runtime && chmod 700 runtime &&
   env -u DISPLAY -u WAYLAND_DISPLAY -u QUORVEX_SYSTEM_LANGID QUORVEX_PREFERENCES="$work/prefs" HOME=/home/ranger \
       XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
       "$driver" --host memory "$script" > "$work/out" 2>/dev/null || true)
  cp "$work/out" "$expected"
  rm -rf "$work"
done

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows stage of the test command, inside a virtual X display: every test of the cross build
# under Wine (the native windows' contract, every scenario on the native windows as well as on the
# in-memory host, the registry store, the command-line tools), then the installer.
# Usage: WINEPREFIX=... windows-stage.sh BUILD-DIR   (run under xvfb-run)
set -euo pipefail
build="${1:?usage: windows-stage.sh BUILD-DIR}"
here="$(dirname "$0")"
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A prefix of the test's own, made afresh.
rm -rf "$WINEPREFIX"
"$here/wine-prefix.sh"
# One Wine server for the whole stage rather than one per test, and one desktop: a window kept
# open (detached from every pipe) holds the virtual desktop, which would otherwise be started by
# some test and keep that test's output pipe open after it ends.
wineserver -p
trap 'wineserver -k || true' EXIT
wine notepad.exe >/dev/null 2>&1 </dev/null &
sleep 5
# Wine now and then fails to start a process at all; such a test gets one more run.
ctest --test-dir "$build" -j"${JOBS:-2}" --output-on-failure --repeat until-pass:2
"$here/check-installer.sh" "$build"

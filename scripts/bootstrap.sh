#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing (Debian 12), builds, then starts the tool (run) or runs every test (test).
set -euo pipefail

cd "$(dirname "$0")/.."
JOBS="${JOBS:-2}"

PACKAGES=(
  build-essential cmake pkg-config git
  libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  xvfb xauth fonts-dejavu-core fonts-noto-cjk
  clang libclang-rt-14-dev
  python3 mobile-broadband-provider-info
  dbus-daemon at-spi2-core python3-pyatspi
  dpkg-dev lintian desktop-file-utils appstream
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  local dir="$1"; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" -j"$JOBS"
}

# Prints how long the stage that just ended took, and since the start.
STARTED=$(date +%s)
STAGE_STARTED=$STARTED
stage_done() {
  local now
  now=$(date +%s)
  echo "== stage '$1' took $((now - STAGE_STARTED)) s ($((now - STARTED)) s in all)"
  STAGE_STARTED=$now
}

with_display() {
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then "$@"; else xvfb-run -a "$@"; fi
}

case "${1:-}" in
  run)
    install_missing
    build build
    if [ -x build/tools/quorvex/quorvex ]; then
      with_display build/tools/quorvex/quorvex
    else
      build/tools/script/quorvex-script tests/scenarios/demo.script
    fi
    ;;
  test)
    install_missing
    stage_done "install"
    build build
    ctest --test-dir build -j"$JOBS" --output-on-failure
    stage_done "Linux build and tests (Qt windows)"
    # The core again without Qt, under AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-asan -DQUORVEX_WITH_QT=OFF -DQUORVEX_SANITIZE=ON -DQUORVEX_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan -j"$JOBS" --output-on-failure
    stage_done "sanitizers"
    # The card file decoders under libFuzzer for a bounded time, and the three readers of a card
    # on the same bytes (clang only; builds just the fuzzers).
    if command -v clang++ >/dev/null; then
      cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DQUORVEX_WITH_QT=OFF -DQUORVEX_BUILD_BENCH=OFF -DQUORVEX_SANITIZE=ON -DQUORVEX_FUZZ=ON \
        -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
      cmake --build build-fuzz -j"$JOBS" --target inspect_fuzzer verdict_fuzzer
      ctest --test-dir build-fuzz -R '^(inspect|verdict)_fuzz$' --output-on-failure
    else
      echo "clang++ not found: the fuzz step is skipped" >&2
    fi
    stage_done "fuzzer"
    # Cross-built for Windows with mingw-w64 and run under Wine on a virtual display: the native
    # windows (their contract and every scenario on them), the core, the command-line tools and
    # every Qt-free test (the registry store against Wine's registry; the scenarios compared with
    # the same transcripts), then the installer made, installed, run and removed.
    build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
      -DQUORVEX_BUILD_BENCH=OFF
    WINEPREFIX="$PWD/build-windows/wine" JOBS="$JOBS" \
      xvfb-run -a -s "-screen 0 1600x1000x24" ./scripts/windows-stage.sh build-windows
    stage_done "Windows (Wine)"
    # The Debian package of the Qt build, checked and run from where it installs the programs.
    ./scripts/check-package.sh build
    stage_done "Debian package"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

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
  dpkg-dev lintian desktop-file-utils appstream
  g++-mingw-w64-x86-64-posix wine wine64
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
    build build
    ctest --test-dir build -j"$JOBS" --output-on-failure
    # The core again without Qt, under AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-asan -DQUORVEX_WITH_QT=OFF -DQUORVEX_SANITIZE=ON -DQUORVEX_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan -j"$JOBS" --output-on-failure
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
    # The Qt-free core, the command-line tools and every Qt-free test cross-built for Windows with
    # mingw-w64 and run under Wine (the registry store against Wine's registry; the scenarios
    # compared with the same transcripts).
    export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
      -DQUORVEX_BUILD_BENCH=OFF
    wineboot --init >/dev/null 2>&1 || true
    # Wine now and then fails to start a process at all; such a test gets one more run.
    ctest --test-dir build-windows -j"$JOBS" --output-on-failure --repeat until-pass:2
    wineserver --kill || true
    # The Debian package of the Qt build, checked and run from where it installs the programs.
    ./scripts/check-package.sh build
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

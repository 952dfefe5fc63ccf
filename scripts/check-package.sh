#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian package from a built Qt build folder (default build/) and checks it: what it
# holds, lintian, the desktop entry with the AppStream metainfo and icons, that its dependencies
# can be met, and that the programs run from where it installs them.
set -euo pipefail

cd "$(dirname "$0")/.."
build="${1:-build}"
out="$build/package"
root="$out/root"

rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out"
debs=("$out"/quorvex_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "expected one quorvex_*.deb in $out" >&2
  exit 1
fi
deb="${debs[0]}"
case "$(basename "$deb")" in
  quorvex_"$(dpkg-deb -f "$deb" Version)"_"$(dpkg --print-architecture)".deb) ;;
  *) echo "$(basename "$deb") is not named quorvex_<version>_<arch>.deb" >&2; exit 1 ;;
esac

dpkg-deb --info "$deb"
contents="$(dpkg-deb --contents "$deb")"
echo "$contents"
missing=0
for path in usr/bin/quorvex usr/bin/quorvex-inspect usr/bin/quorvex-script \
            usr/bin/quorvex-write usr/share/man/man1/quorvex.1.gz \
            usr/share/man/man1/quorvex-inspect.1.gz usr/share/man/man1/quorvex-script.1.gz \
            usr/share/man/man1/quorvex-write.1.gz usr/share/doc/quorvex/copyright \
            usr/share/icons/hicolor/48x48/apps/quorvex.png \
            usr/share/icons/hicolor/scalable/apps/quorvex.svg; do
  grep -q " \./$path\$" <<<"$contents" || { echo "the package lacks /$path" >&2; missing=1; }
done
[ "$missing" -eq 0 ]
# Run by hand to see every remark: lintian --info --display-info "$deb"
lintian --fail-on error "$deb"

# The package's files as apt would lay them out, checked in place.
dpkg-deb -x "$deb" "$root"
appstreamcli validate-tree --no-net "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
# The libraries dpkg-shlibdeps found must come from packages this system can install.
apt-get install --simulate --no-install-recommends "$PWD/$deb" >/dev/null

"$root/usr/bin/quorvex-inspect" --help
"$root/usr/bin/quorvex-script" --help
"$root/usr/bin/quorvex-write" --help
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
printf 'prefs %s/preferences\nstart\nshow\nclose\n' "$home" | "$root/usr/bin/quorvex-script" >/dev/null
# A card cloned as quorvex-write's manual page shows it: the K7's camera menu generated onto one
# card, read back as a profile and checked against an empty second card (a dry run writes nothing).
mkdir "$home/card1" "$home/card2"
printf '%s\n' "prefs $home/preferences" start "select 1081 5" "click 1000" "folder $home/card1" \
  "click 1057" "click 1" "click 2" close | HOME="$home" "$root/usr/bin/quorvex-script" >/dev/null
"$root/usr/bin/quorvex-inspect" --json "$home/card1" >"$home/profile.json"
"$root/usr/bin/quorvex-write" --dry-run "$home/profile.json" "$home/card2" >/dev/null
# The desktop program: up to its first painted window, then it exits on its own.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home" QUORVEX_PREFERENCES="$home/preferences" \
  QUORVEX_STARTUP_PROBE=1 timeout 60 "$root/usr/bin/quorvex" >/dev/null
echo "$(basename "$deb"): good"

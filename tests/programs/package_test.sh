#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured and built build folder, checks it the way a
# distribution would (lintian, the AppStream and desktop-entry validators), unpacks it into a
# temporary root and runs both programs from there: pipling --version, pipling-sim on a short
# script and on its own installed folder with --check, and pipling itself under Xvfb.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR
set -eu
source=$1
build=$2
if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "package test skipped: dpkg-deb is missing (not a Debian system)"
    exit 0
fi
fail() { echo "package test FAILED: $*"; exit 1; }

work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$work/pack" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/pack/*.deb)
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
echo "$depends" | grep -q libqt6gui6 || fail "the computed dependencies lack Qt"

lintian --fail-on error,warning --allow-root --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }
echo "lintian: $(grep -c '^E:' "$work/lintian.log" || true) errors, $(grep -c '^W:' "$work/lintian.log" || true) warnings"
appstreamcli validate --no-net "$source/data/org.pipling.Simulator.metainfo.xml" || fail "appstream"
desktop-file-validate "$source/data/org.pipling.Simulator.desktop" || fail "desktop entry"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in the section games"
# Private modules need no ldconfig: no maintainer script may call it.
dpkg-deb -e "$deb" "$work/control"
! grep -qs ldconfig "$work/control/postinst" "$work/control/postrm" "$work/control/triggers" ||
    fail "the package calls ldconfig"
# The screenshot the AppStream description names is the one in the repository.
shot=$(sed -n 's|.*<image>.*/raw/main/\(.*\)</image>.*|\1|p' "$source/data/org.pipling.Simulator.metainfo.xml")
[ -n "$shot" ] && [ -f "$source/$shot" ] || fail "the AppStream screenshot \"$shot\" is not in the repository"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for icon in 16 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${icon}x${icon}/apps/pipling-simulator.png" ] || fail "no ${icon} px icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/pipling-simulator.svg" ] || fail "no scalable icon"
for doc in copyright changelog.gz README.md; do
    [ -f "$root/usr/share/doc/pipling-simulator/$doc" ] || fail "no $doc in the doc folder"
done
grep -q '^License: GPL-3+' "$root/usr/share/doc/pipling-simulator/copyright" || fail "the copyright file names no licence"
[ -f "$root/usr/share/man/man6/pipling.6.gz" ] && [ -f "$root/usr/share/man/man6/pipling-sim.6.gz" ] ||
    fail "man pages"

"$root/usr/games/pipling" --version | grep -q '^Pipling Simulator ' || fail "pipling --version"
out=$(printf 'rnd 0.5\nstart\nwait 61\nget CharacterNo\nquit\n' |
    "$root/usr/games/pipling-sim" --store "$work/sim.ini" 2>"$work/sim.err") || { cat "$work/sim.err"; fail "pipling-sim"; }
echo "$out" | grep -q '"CharacterNo"' || fail "pipling-sim printed: $out"
[ -s "$work/sim.err" ] && { cat "$work/sim.err"; fail "pipling-sim complained"; }
"$root/usr/games/pipling-sim" --check "$root/usr/share/pipling-simulator" >"$work/check.log" ||
    { grep -v '^ok \|^inherits ' "$work/check.log"; fail "the installed program folder does not pass --check"; }
echo "check: $(tail -n 1 "$work/check.log")"

# The desktop program from the unpacked root, on a display of its own.
display=:96
if ! xdpyinfo -display $display >/dev/null 2>&1; then
    command -v Xvfb >/dev/null 2>&1 || { echo "package test: no Xvfb, the desktop start is skipped"; exit 0; }
    Xvfb $display -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    tries=0
    until xdpyinfo -display $display >/dev/null 2>&1; do
        tries=$((tries + 1)); [ $tries -lt 100 ] || fail "Xvfb did not start"; sleep 0.1
    done
fi
XDG_CONFIG_HOME="$work/config" DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/usr/games/pipling" "Package Pet" \
    >"$work/gui.log" 2>&1 &
gui=$!
tries=0
until xwininfo -display $display -root -tree 2>/dev/null | grep -q '"Package Pet"\|"Loading'; do
    kill -0 $gui 2>/dev/null || { cat "$work/gui.log"; fail "pipling ended early"; }
    tries=$((tries + 1)); [ $tries -lt 150 ] || { cat "$work/gui.log"; kill $gui; fail "no pipling window"; }
    sleep 0.1
done
kill $gui
wait $gui 2>/dev/null || true
echo "package test passed"

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Follows the README as a new user would: clones the repository's current commit afresh and runs
# the commands of the README's code blocks, as the README itself gives them, in their order, from
# the clone's top folder. Only what cannot run unattended is changed, and the test says so:
#   - `scripts/run [PETNAME]` runs without the optional name, on Qt's offscreen platform, until the
#     toy has stored its pet, and is then ended;
#   - `sudo apt-get install FILE` only simulates the installation (apt-get --simulate), which still
#     checks that the package's dependencies can be met;
#   - `scripts/test` is left out: this test is part of it;
#   - files in /tmp go to this test's own folder.
# Each block must end with status 0; the headless example must show a running pet.
# Usage: readme_test.sh SOURCE_DIR
set -eu
source=$(cd "$1" && pwd)
command -v git >/dev/null 2>&1 || { echo "README test skipped: git is missing"; exit 0; }
fail() { echo "README test FAILED: $*"; exit 1; }
work=$(mktemp -d)
runner=""
cleanup() {
    [ -n "$runner" ] && kill "$runner" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/tmp" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=offscreen

start=$(date +%s)
git clone --quiet --no-checkout "$source" "$work/clone"
git -C "$work/clone" checkout --quiet --detach "$(git -C "$source" rev-parse HEAD)"
cd "$work/clone"

# The code blocks, one file each, in the README's order.
awk -v out="$work/block" '
    /^```/ { if (inside) { inside = 0; close(file) } else { inside = 1; n++; file = sprintf("%s%02d", out, n); printf "" > file }; next }
    inside { print > file }' README.md
blocks=$(ls "$work"/block* 2>/dev/null) || fail "the README has no code blocks"

for block in $blocks; do
    first=$(head -n 1 "$block")
    case $first in
    "scripts/test")
        echo "README: skipped (this test is part of it): $first"
        continue ;;
    esac
    sed -e "s|/tmp/|$work/tmp/|g" -e 's|sudo apt-get install|apt-get install --simulate|g' "$block" >"$block.sh"
    echo "README: $(tr '\n' ' ' <"$block" | cut -c1-100)"
    blockStart=$(date +%s)
    case $first in
    "scripts/run [PETNAME]")
        # The toy keeps running: wait until it has stored its pet (the build comes first).
        sh -c "scripts/run" >"$block.out" 2>&1 &
        runner=$!
        until grep -q MinuteCount "$XDG_CONFIG_HOME/Pipling Simulator/settings.ini" 2>/dev/null; do
            kill -0 $runner 2>/dev/null || { tail -n 30 "$block.out"; fail "scripts/run ended"; }
            [ $(($(date +%s) - blockStart)) -lt 3600 ] || { tail -n 30 "$block.out"; fail "scripts/run: no toy after an hour"; }
            sleep 1
        done
        kill $runner
        wait $runner 2>/dev/null || true
        runner=""
        [ -x build/bin/pipling-sim ] || fail "scripts/run did not build build/bin/pipling-sim"
        ;;
    *)
        sh -e "$block.sh" >"$block.out" 2>&1 || { tail -n 30 "$block.out"; fail "this block failed"; } ;;
    esac
    echo "  ok ($(($(date +%s) - blockStart)) s)"
    if grep -q '^build/bin/pipling-sim --store .*<<' "$block"; then
        # The first headless example starts a pet: its time runs.
        grep -q '"MinuteCount": 1' "$block.out" || { cat "$block.out"; fail "the headless example shows no running pet"; }
    fi
done
echo "README test passed in $(($(date +%s) - start)) s"

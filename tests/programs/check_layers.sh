#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the direction of use between the layers: each source may include only its own layer and
# the ones below it. Prints every include that crosses the line and fails if there is one.
#   platform interfaces and disk  <  core (app, pet, device, assets, shell)
#   < Qt without a display (platform/qt/common)  <  the fronts (platform/qt, platform/headless, tools/sim)
set -u
cd "$1"
status=0
# check FOLDERS -- FORBIDDEN-INCLUDE-PATTERN DESCRIPTION
check() {
    folders=$1 pattern=$2 what=$3
    found=$(find $folders -maxdepth 1 \( -name '*.h' -o -name '*.cpp' \) -exec grep -HnE "^#include [<\"]($pattern)" {} + 2>/dev/null)
    if [ -n "$found" ]; then
        echo "$what:"
        echo "$found"
        status=1
    fi
}
core="app/|pet/|device/|assets/|shell/"
fronts="platform/qt/|platform/headless/|tools/|tests/"
check "platform platform/disk" "$core|$fronts|Q[A-Za-z]+>" "the platform layer uses nothing of ours above it and no Qt"
check "app pet device assets shell" "$fronts|Q[A-Za-z]+>" "the core uses neither Qt nor a front"
check "platform/qt/common" "platform/qt/[A-Za-z]+\.h|platform/headless/|tools/|tests/" "the shared Qt layer uses no front"
check "platform/headless tools/sim" "platform/qt/[A-Za-z]+\.h|tests/" "the headless front does not use the desktop front"
check "platform/qt" "platform/headless/|tools/|tests/" "the desktop front does not use the headless one"
[ $status -eq 0 ] && echo "layers: every include goes down or sideways"
exit $status

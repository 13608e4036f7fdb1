#!/usr/bin/env bash
# Sets up, builds and runs every test of Tallowmere: the Windows build's unit and end-to-end tests
# under Wine on a private Xvfb screen, and the byte algorithms natively under sanitizers.
# Usage: scripts/test.sh   (as root on a fresh machine, so the set-up can install packages)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [[ $(id -u) == 0 ]]; then scripts/setup.sh; fi

presets=(windows-x64 windows-x86)
for preset in "${presets[@]}" native; do
    echo "== build: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

status=0
for preset in "${presets[@]}"; do
    echo "== test: $preset (under Wine)"
    scripts/with_display.sh ctest --preset "$preset" || status=1
done
echo "== test: native"
ctest --preset native || status=1
exit $status

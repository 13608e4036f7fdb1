#!/usr/bin/env bash
# Runs a Windows test program inside a Wine virtual desktop of a fixed size, from
# $TALLOWMERE_E2E_DESKTOP (default 1024x768), so that sizes and positions on screen are the same
# on every machine. Wine's explorer does not pass the program's exit code on; the program writes
# it to the file named by TALLOWMERE_E2E_STATUS, and that code is this script's exit code.
# Usage: run_in_desktop.sh PROGRAM.exe [ARGS...]   (needs a display: scripts/with_display.sh)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
size=${TALLOWMERE_E2E_DESKTOP:-1024x768}
status=$(mktemp)
trap 'rm -f "$status"' EXIT
if [[ -n ${TALLOWMERE_E2E_FAULTS:-} ]]; then
    source "$here/prepare_faults.sh"
    trap 'rm -f "$status"; take_down_faults' EXIT
fi
# Wine maps the Unix root to drive Z:.
export TALLOWMERE_E2E_STATUS="Z:${status//\//\\}"
"$here/../../scripts/wine.sh" explorer "/desktop=tallowmere-e2e-$size,$size" "$@" || true
code=$(<"$status")
if [[ ! $code =~ ^[0-9]+$ ]]; then
    echo "run_in_desktop: $(basename "$1") ended without reporting a result" >&2
    exit 1
fi
exit "$code"

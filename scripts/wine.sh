#!/usr/bin/env bash
# Runs a Windows program under the project's own Wine prefix, made on first use: ANSI code page
# 936 (Chinese), no Mono or Gecko installers, Wine's own messages silenced. Strips the CR that
# Wine adds to what a console program prints, and keeps the program's exit code.
#
# The prefix lives in $TALLOWMERE_WINEPREFIX (default ~/.cache/tallowmere/wine), one for each
# Unix user. A program that opens a window needs DISPLAY; scripts/with_display.sh gives one.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine_env.sh"
tallowmere_wine_prefix

# What the program prints goes through a file, not a pipe: Wine's own background processes may
# inherit the program's output and would hold a pipe open long after the program has ended.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
set +e
wine "$@" >"$out" 2>&1 </dev/null
status=$?
set -e
sed 's/\r$//' "$out"
exit "$status"

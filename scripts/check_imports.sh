#!/usr/bin/env bash
# Fails unless every given executable imports only Windows' own DLLs: no C or C++ runtime of
# the compiler's (libstdc++, libgcc, winpthread) and nothing else that a player's Windows lacks.
set -euo pipefail
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|comctl32|ole32|msvcrt|advapi32|shell32|version|psapi|api-ms-win-crt-[a-z0-9-]+)\.dll$'
status=0
for exe in "$@"; do
    dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    echo "$(basename "$exe"): $(echo $dlls)"
    while read -r dll; do
        if ! [[ $dll =~ $allowed ]]; then echo "  not a Windows DLL: $dll"; status=1; fi
    done <<<"$dlls"
done
exit $status

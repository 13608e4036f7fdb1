#!/usr/bin/env bash
# Runs a command with a display: the caller's own when DISPLAY is set and TALLOWMERE_HEADLESS is
# not, otherwise a private Xvfb screen (1024 x 768 unless TALLOWMERE_SCREEN says otherwise) that
# is stopped, with the Wine server of the project's prefix, when the command ends.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [[ -n ${DISPLAY:-} && -z ${TALLOWMERE_HEADLESS:-} ]]; then exec "$@"; fi

source "$here/wine_env.sh"
screen=${TALLOWMERE_SCREEN:-1024x768}
exec 5< <(Xvfb -displayfd 1 -screen 0 "${screen}x24" -nolisten tcp -nolisten unix 2>/dev/null & echo "pid $!"; wait)
read -r _ xvfb_pid <&5
read -r display <&5
stop() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap stop EXIT
export DISPLAY=:$display
# One Wine server for the whole command keeps every program start short.
tallowmere_wine_prefix
wineserver -p
# Wine's background services start with the first program; started here, they hold none of the
# output pipes of the programs that come after.
wine wineboot </dev/null >/dev/null 2>&1 || true
set +e
"$@"
status=$?
exit $status

#!/usr/bin/env bash
# Sets up, builds and runs Tallowmere the way a player does: beside the game's launcher.
#
#   scripts/run.sh                  a demo game folder with a stand-in launcher
#   scripts/run.sh --game-dir DIR   a real game folder: Tallowmere.exe is copied into DIR
#
# With a screen (DISPLAY set) the program opens on it; press 一键设置, then close it. Without one
# (or with TALLOWMERE_HEADLESS=1) it runs on a private screen in a Wine desktop of 1024 x 768,
# where a driver presses the button as a user would; the written Nadeo.ini is printed and a
# screenshot of the window is saved as build/demo/screenshot.png.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

game_dir=
while (($#)); do
    case $1 in
        --game-dir) game_dir=${2:?--game-dir needs a folder}; shift 2 ;;
        *) echo "usage: scripts/run.sh [--game-dir DIR]" >&2; exit 2 ;;
    esac
done

if [[ $(id -u) == 0 ]]; then scripts/setup.sh; fi
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target Tallowmere demo_driver >/dev/null
build=$repo/build/windows-x64

if [[ -z $game_dir ]]; then
    game_dir=$repo/build/demo/game
    rm -rf "$game_dir"
    mkdir -p "$game_dir"
    printf 'MZ' >"$game_dir/ManiaPlanetLauncher.exe"  # a stand-in for the game's launcher
fi
game_dir=$(cd "$game_dir" && pwd)
cp "$build/Tallowmere.exe" "$game_dir/"
echo "Tallowmere.exe is in $game_dir"

show_result() {
    if [[ -f $game_dir/Nadeo.ini ]]; then
        echo "---- $game_dir/Nadeo.ini ($(stat -c %s "$game_dir/Nadeo.ini") bytes, shown as UTF-8)"
        iconv -f CP936 -t UTF-8 "$game_dir/Nadeo.ini" | sed 's/\r$//'
        echo "----"
    else
        echo "Nadeo.ini was not written"
    fi
}

if [[ -n ${DISPLAY:-} && -z ${TALLOWMERE_HEADLESS:-} ]]; then
    set +e
    scripts/with_display.sh scripts/wine.sh "$game_dir/Tallowmere.exe"
    status=$?
    set -e
    show_result
    echo "Tallowmere ended with exit code $status"
    exit $status
fi

mkdir -p "$repo/build/demo"
shot=$repo/build/demo/screenshot
rm -f "$shot.bmp" "$shot.png"
set +e
TALLOWMERE_HEADLESS=1 scripts/with_display.sh \
    scripts/wine.sh explorer /desktop=Tallowmere,1024x768 \
    "$build/demo_driver.exe" "$game_dir/Tallowmere.exe" "$shot.bmp" | iconv -f CP936 -t UTF-8
status=${PIPESTATUS[0]}
set -e
show_result
if [[ -f $shot.bmp ]]; then
    convert "$shot.bmp" "$shot.png" && rm -f "$shot.bmp"
    echo "screenshot: $shot.png"
fi
exit $status

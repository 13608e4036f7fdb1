# Sourced by run_in_desktop.sh for the fault matrix: game folders that a test program cannot make
# for itself, each named to the tests by an environment variable as a Windows path, and taken
# down again when the run ends. TALLOWMERE_E2E_FAULTS names the built Tallowmere.exe.
#   TALLOWMERE_FAULT_DRIVE_ROOT  a drive letter whose root is a game folder (T: or the next free)
#   TALLOWMERE_FAULT_READONLY    a game folder, with an earlier Nadeo.ini, that cannot be written
#   TALLOWMERE_FAULT_FULL        a game folder on a file system with no room left (needs root)
fault_exe=$TALLOWMERE_E2E_FAULTS
fault_work=$(mktemp -d /tmp/tallowmere-faults.XXXXXX)
fault_mounts=()
fault_drive=
fault_frozen=

windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

game_folder() {
    mkdir -p "$1"
    cp "$fault_exe" "$1/Tallowmere.exe"
    printf 'MZ stand-in' >"$1/ManiaPlanetLauncher.exe"
}

take_down_faults() {
    local m
    for m in "${fault_mounts[@]}"; do umount "$m" 2>/dev/null || true; done
    if [[ -n $fault_frozen ]]; then chattr -i "$fault_frozen" 2>/dev/null || chmod u+w "$fault_frozen"; fi
    if [[ -n $fault_drive ]]; then rm -f "$WINEPREFIX/dosdevices/$fault_drive"; fi
    rm -rf "$fault_work"
}

# A drive root: a free drive letter of the prefix pointed at a game folder.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine_env.sh"
game_folder "$fault_work/drive"
for letter in t u v w x y; do
    if [[ ! -e $WINEPREFIX/dosdevices/$letter: && ! -L $WINEPREFIX/dosdevices/$letter: ]]; then
        fault_drive=$letter:
        ln -s "$fault_work/drive" "$WINEPREFIX/dosdevices/$fault_drive"
        export TALLOWMERE_FAULT_DRIVE_ROOT=${letter^^}:
        break
    fi
done

# A folder nobody may write to: a read-only bind mount as root (root writes anywhere else),
# the folder's own permissions otherwise.
game_folder "$fault_work/readonly"
printf 'old settings\r\n' >"$fault_work/readonly/Nadeo.ini"
if [[ $(id -u) == 0 ]]; then
    if mount --bind "$fault_work/readonly" "$fault_work/readonly" &&
        mount -o remount,ro,bind "$fault_work/readonly"; then
        fault_mounts+=("$fault_work/readonly")
        export TALLOWMERE_FAULT_READONLY=$(windows_path "$fault_work/readonly")
    fi
else
    chmod a-w "$fault_work/readonly" && fault_frozen=$fault_work/readonly
    export TALLOWMERE_FAULT_READONLY=$(windows_path "$fault_work/readonly")
fi

# A full disk: a small tmpfs holding the game folder and a filler that takes the rest.
if [[ $(id -u) == 0 ]] && mkdir -p "$fault_work/full" &&
    mount -t tmpfs -o size=256k tallowmere-full "$fault_work/full"; then
    fault_mounts=("$fault_work/full" "${fault_mounts[@]}")
    game_folder "$fault_work/full/game"
    dd if=/dev/zero of="$fault_work/full/filler" bs=4k 2>/dev/null || true
    export TALLOWMERE_FAULT_FULL=$(windows_path "$fault_work/full/game")
fi

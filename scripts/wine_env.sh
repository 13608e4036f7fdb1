# Sourced: the environment of the project's Wine prefix, and the function that makes it.
# Wine maps non-ASCII file names only under a real Linux locale name; a private LOCPATH whose
# zh_CN.UTF-8 is the C.UTF-8 locale gives it one without generating locales system-wide.
tallowmere_cache=${TALLOWMERE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tallowmere}
export WINEPREFIX=${TALLOWMERE_WINEPREFIX:-$tallowmere_cache/wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LOCPATH=$tallowmere_cache/locale
if [[ ! -e $LOCPATH/zh_CN.utf8 ]]; then
    mkdir -p "$LOCPATH"
    ln -sfn /usr/lib/locale/C.utf8 "$LOCPATH/zh_CN.UTF-8"
    ln -sfn /usr/lib/locale/C.utf8 "$LOCPATH/zh_CN.utf8"
fi
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null  # bash itself may not know the name
export WINEARCH=win64

tallowmere_wine_prefix() {
    # The stamp is written only once wineboot has finished: a prefix cut short is made anew.
    if [[ ! -f $WINEPREFIX/.tallowmere-ready ]]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        echo "wine: making the prefix $WINEPREFIX" >&2
        DISPLAY= wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.tallowmere-ready"
    fi
}

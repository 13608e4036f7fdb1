#!/usr/bin/env bash
# Makes the packages for players: dist/Tallowmere-1.0.0-win32.zip (the 32-bit program, for every
# Windows) and dist/Tallowmere-1.0.0-win64.zip, each with Tallowmere.exe, the user guide
# 使用说明.txt (code page 936, CR LF, as Notepad on a Chinese Windows opens it) and SHA256SUMS;
# and dist/SHA256SUMS over the two packages. Same sources, same bytes: the files carry the time
# of the last commit and the builds are reproducible.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
if [[ $(id -u) == 0 ]]; then scripts/setup.sh; fi

version=$(sed -n 's/^project(Tallowmere VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stamp=$(git log -1 --format=%ct 2>/dev/null || echo 0)
guide_name=$(printf '使用说明.txt' | iconv -f UTF-8 -t CP936)  # how a Chinese Windows names it
mkdir -p dist
rm -f dist/Tallowmere-"$version"-win*.zip dist/SHA256SUMS

for flavour in win32:windows-x86 win64:windows-x64; do
    name=${flavour%%:*}
    preset=${flavour#*:}
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target Tallowmere >/dev/null
    stage=$(mktemp -d)
    cp "build/$preset/Tallowmere.exe" "$stage/Tallowmere.exe"
    iconv -f UTF-8 -t CP936 packaging/user_guide.zh.txt | sed 's/$/\r/' >"$stage/$guide_name"
    (cd "$stage" && LC_ALL=C sha256sum Tallowmere.exe "$guide_name" |
        sed "s/$guide_name\$/使用说明.txt/" >SHA256SUMS)
    touch -d "@$stamp" "$stage"/*
    # Names stored as their bytes (code page 936 for the guide), no extra attributes, fixed order.
    (cd "$stage" && LC_ALL=C zip -q -X -D "$repo/dist/Tallowmere-$version-$name.zip" \
        Tallowmere.exe "$guide_name" SHA256SUMS)
    rm -rf "$stage"
done
(cd dist && sha256sum Tallowmere-"$version"-win32.zip Tallowmere-"$version"-win64.zip >SHA256SUMS)
echo "made:"
ls -l dist
cat dist/SHA256SUMS

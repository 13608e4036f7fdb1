#!/usr/bin/env bash
# Builds Tallowmere.exe twice from the same sources, in two clean trees at different paths, and
# fails unless the two files are byte for byte the same and neither holds a build path.
# Usage: scripts/check_reproducible.sh PRESET   (windows-x64 or windows-x86)
set -euo pipefail
preset=${1:-windows-x64}
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() {
    local tree=$work/$1
    mkdir -p "$tree"
    # The tracked sources as they are in the work tree, without any build output.
    (cd "$repo" && git ls-files -z --cached --others --exclude-standard) |
        (cd "$repo" && xargs -0 cp --parents -t "$tree" 2>/dev/null) || true
    cmake -S "$tree" --preset "$preset" -B "$tree/out" -DTALLOWMERE_TESTS=OFF >/dev/null
    cmake --build "$tree/out" --target Tallowmere >/dev/null
    echo "$tree/out/Tallowmere.exe"
}

first=$(build first-tree)
second=$(build another-tree-at-a-longer-path)
status=0
if cmp -s "$first" "$second"; then
    echo "reproducible: two clean builds of Tallowmere.exe ($preset) are identical ($(stat -c %s "$first") bytes, sha256 $(sha256sum "$first" | cut -c1-16)…)"
else
    echo "NOT reproducible: the two builds differ"; cmp -l "$first" "$second" | head -n 20; status=1
fi
for exe in "$first" "$second"; do
    if grep -a -q -e "$work" -e "$repo" "$exe"; then echo "a build path is inside $exe"; status=1; fi
done
exit $status

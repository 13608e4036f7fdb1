#!/usr/bin/env bash
# Measures Tallowmere against baselines measured in the same run and prints one table, figure by
# figure: start-up and peak working set against a bare Win32 window (under Wine, in a virtual
# desktop on a private screen), the size of the executable, one click against a direct write of
# the same file, and the text operations natively against std::string. Every figure quotes
# medians of alternating runs. The table, with the date and the CPU, also goes into
# docs/performance.md. Usage: scripts/bench.sh   (as root on a fresh machine, for the set-up)
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

if [[ $(id -u) == 0 ]]; then scripts/setup.sh; fi

windows=$repo/build/bench-windows
native=$repo/build/bench-native
logs=$repo/build/bench-logs
mkdir -p "$logs"

echo "bench: building" >&2
cmake --no-warn-unused-cli -S . -B "$windows" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DTALLOWMERE_TESTS=OFF -DTALLOWMERE_BENCH=ON >/dev/null
cmake --build "$windows" --target Tallowmere bare_window startup_driver click_bench >/dev/null
cmake --no-warn-unused-cli -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTALLOWMERE_TESTS=OFF -DTALLOWMERE_BENCH=ON >/dev/null
cmake --build "$native" --target text_bench >/dev/null

# Both programs start from the same game folder, beside a stand-in for the game's launcher.
game=$windows/game
rm -rf "$game"
mkdir -p "$game"
cp "$windows/Tallowmere.exe" "$windows/bench/bare_window.exe" "$game/"
printf 'MZ' >"$game/ManiaPlanetLauncher.exe"

x86_64-w64-mingw32-objdump -p "$game/Tallowmere.exe" |
    sed -n 's/^\s*DLL Name: /bench: Tallowmere.exe imports /p' >&2

# Size: both are linked stripped; stripping copies again makes sure nothing is left to strip.
size_of() {
    local copy=$logs/$(basename "$1")
    cp "$1" "$copy"
    x86_64-w64-mingw32-strip "$copy"
    stat -c %s "$copy"
}
size_t=$(size_of "$game/Tallowmere.exe")
size_b=$(size_of "$game/bare_window.exe")
awk -v t="$size_t" -v b="$size_b" 'BEGIN {
    printf "ROW|Size of the executable, stripped (bytes)|%d|%d|%.3f|Tallowmere <= 49152|%s\n",
           t, b, t / b, (t <= 49152 ? "met" : "missed") }' >"$logs/size.log"

echo "bench: start-up and the click, under Wine" >&2
export TALLOWMERE_HEADLESS=1
scripts/with_display.sh bash -c '
    scripts/wine.sh explorer /desktop=TallowmereBench,1024x768 "$1/bench/startup_driver.exe" 25 \
        "$2/Tallowmere.exe" WTWindow "$2/bare_window.exe" BareWindow >"$3/startup.log" || true
    scripts/wine.sh "$1/bench/click_bench.exe" >"$3/click.log" || true
' bench "$windows" "$game" "$logs"

echo "bench: text operations, natively" >&2
"$native/bench/text_bench" --rounds=9 >"$logs/text.log"

for log in startup size click text; do
    if ! grep -q '^ROW|' "$logs/$log.log"; then
        echo "bench: the $log benchmark gave no figures; its output:" >&2
        cat "$logs/$log.log" >&2
        exit 1
    fi
done
# The program as a whole first, then its parts.
rows=$logs/rows
cat "$logs"/{startup,size,click,text}.log | grep '^ROW|' >"$rows"

# The table for the terminal, columns aligned.
awk -F'|' '
    BEGIN { head[2] = "Figure"; head[3] = "Tallowmere"; head[4] = "Baseline"; head[5] = "Ratio";
            head[6] = "Goal"; head[7] = "Result"
            for (c = 2; c <= 7; ++c) width[c] = length(head[c]) }
    {
        for (c = 2; c <= 7; ++c) {
            cell[NR, c] = $c
            if (length($c) > width[c]) width[c] = length($c)
        }
    }
    END {
        line = ""
        for (c = 2; c <= 7; ++c) line = line sprintf(c <= 2 ? "%-*s  " : "%*s  ", width[c], head[c])
        print line
        for (r = 1; r <= NR; ++r) {
            line = ""
            for (c = 2; c <= 7; ++c)
                line = line sprintf(c == 2 || c >= 6 ? "%-*s  " : "%*s  ", width[c], cell[r, c])
            print line
        }
    }' "$rows"

# The same table in docs/performance.md, between its two markers.
cpu=$(sed -n 's/^model name\s*:\s*//p' /proc/cpuinfo | head -1)
wine_version=$(wine --version 2>/dev/null || echo Wine)
table=$logs/table.md
{
    echo "Measured on $(date -u +%Y-%m-%d) on $cpu ($(nproc) logical CPUs), $wine_version."
    echo
    echo "| Figure | Tallowmere | Baseline | Ratio | Goal | Result |"
    echo "|---|--:|--:|--:|---|---|"
    awk -F'|' '{ printf "| %s | %s | %s | %s | %s | %s |\n", $2, $3, $4, $5, $6, $7 }' "$rows"
} >"$table"
doc=docs/performance.md
if grep -q '^<!-- bench:begin -->$' "$doc" && grep -q '^<!-- bench:end -->$' "$doc"; then
    awk -v table="$table" '
        /^<!-- bench:begin -->$/ {
            print
            while ((getline line < table) > 0) print line
            skip = 1
            next
        }
        /^<!-- bench:end -->$/ { skip = 0 }
        !skip' "$doc" >"$doc.new"
    mv "$doc.new" "$doc"
    echo "bench: the table is in $doc; every run's samples are in $logs" >&2
else
    echo "bench: $doc has no bench:begin and bench:end markers; the table is in $table" >&2
fi

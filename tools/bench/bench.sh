#!/usr/bin/env bash
# make bench: measures the launcher against the floor program under Wine and Xvfb, at 100 % and
# at 200 % display scale, and writes the table, the machine and the method to
# docs/performance.md. Not a test: it asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/wine/env.sh
trap wine_env_cleanup EXIT
runs="${RUNS:-20}"

# The file that ships wherever 32-bit code runs natively; under emulation its timings would say
# nothing of a player's machine, and the x86-64 build of the same sources stands in for it.
if [ "$(cat build/wine/mode)" = native ]; then
    tree=build/win32
    measured="the shipped PE32 \`build/win32/launcher.exe\`, 32-bit code running natively"
else
    tree=build/win64
    measured="the x86-64 build \`build/win64/launcher.exe\` of the same sources: this machine runs 32-bit code only under emulation"
fi

disc="$PWD/build/bench-disc"
source "$tree/game/game.env"
tools/disc/make_disc.py --stand-ins "$GAME_PROFILE" "$disc" "$tree"
wine_env_prefix "$PWD/build/bench-prefix" 1280x1024
wine_env_display
wine_env_server
xdotool mousemove 0 0
windows() { local p="Z:$1"; echo "${p//\//\\}"; }

driver=build/win64/bench/bench_driver.exe
floor="$PWD/$tree/bench/floor.exe"
# At one display scale: one start of each first, so that no measured start pays for Wine's
# first-time work, then the runs.
measure() {
    local arguments=("$(windows "$disc/launcher.exe")" "$(windows "$floor")" "$(windows "$disc")")
    wine_env_scale "$1"
    "$WINE" "$driver" 1 "${arguments[@]}" >/dev/null 2>&1 || true
    "$WINE" "$driver" "$runs" "${arguments[@]}" 2>/dev/null | sed "s/^/$1% /"
}
results="$(measure 100; measure 200)"
wine_env_scale 100

# A game with an opening sound is measured once more against the same game built without it:
# the first frame must not wait for the sound.
GAME_NAME=$(basename "$GAME_PROFILE")
if [[ " $GAME_SOUNDS " == *" opening "* ]]; then
    silent="$PWD/build/bench-silent"
    rm -rf "$silent/game" && mkdir -p "$silent" && cp -r "$GAME_PROFILE" "$silent/game"
    opening=$(sed -n 's/^opening *= *"\(.*\)"/\1/p' "$silent/game/game.toml")
    rm -f "$silent/game/art/$opening"
    sed -i '/^opening *=/d' "$silent/game/game.toml"
    cmake --no-warn-unused-cli -S . -B "$silent/tree" -DLAUNCHER_TESTS=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$(grep -m1 '^CMAKE_TOOLCHAIN_FILE' "$tree/CMakeCache.txt" | cut -d= -f2)" \
        -DLAUNCHER_GAME="$silent/game" >/dev/null
    cmake --build "$silent/tree" --target launcher -j2 >/dev/null
    cp "$silent/tree/launcher.exe" "$disc/without-opening.exe"
    floor="$disc/without-opening.exe"
    results+=$'\n'"$(measure 100 | sed 's/^100%/opening/')"
fi

# The disc's check, on the demo disc with 2 GB of random data added (tools/bench/CheckBench.cpp).
check_disc="$PWD/build/bench-check-disc"
tools/disc/make_disc.py --stand-ins "$GAME_PROFILE" "$check_disc" "$tree"
mkdir -p "$check_disc/data"
for part in 1 2 3 4 5 6 7 8; do head -c 256M /dev/urandom >"$check_disc/data/part$part.bin"; done
/usr/bin/python3 tools/disc/disc_manifest.py "$check_disc" "$tree"
results+=$'\n'"$("$WINE" "$tree/bench/check_bench.exe" "${CHECK_RUNS:-5}" "$(windows "$check_disc")" \
    "$(windows "$check_disc.order")" 2>/dev/null)"
rm -rf "$check_disc"

shipped=build/win32/launcher.exe
rsrc=$(i686-w64-mingw32-objdump -h "$shipped" | awk '$2 == ".rsrc" {print $3}')
/usr/bin/python3 tools/bench/bench_report.py "$results" "$(stat -c %s "$shipped")" \
    "$((16#$rsrc))" "$runs" "$measured" "$GAME_NAME" \
    "docs/performance$([ "$GAME_NAME" = zentrava ] || echo "-$GAME_NAME").md"

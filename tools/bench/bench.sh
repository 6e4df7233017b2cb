#!/usr/bin/env bash
# make bench: measures the launcher against the floor program under Wine and Xvfb and writes
# the table, the machine and the method to docs/performance.md. Not a test: it asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/wine/env.sh
trap wine_env_cleanup EXIT
runs="${RUNS:-20}"

disc="$PWD/build/bench-disc"
tools/disc/make_disc.sh "$disc" build/win64
wine_env_prefix "$PWD/build/bench-prefix" 1024x768
wine_env_display
wine_env_server
xdotool mousemove 0 0
windows() { local p="Z:$1"; echo "${p//\//\\}"; }

driver=build/win64/bench/bench_driver.exe
floor="$PWD/build/win64/bench/floor.exe"
# One start of each first, so that no measured start pays for Wine's first-time work.
"$WINE" "$driver" 1 "$(windows "$disc/launcher.exe")" "$(windows "$floor")" \
    "$(windows "$disc")" >/dev/null 2>&1 || true
measured=$("$WINE" "$driver" "$runs" "$(windows "$disc/launcher.exe")" "$(windows "$floor")" \
    "$(windows "$disc")" 2>/dev/null)

shipped=build/win32/launcher.exe
rsrc=$(i686-w64-mingw32-objdump -h "$shipped" | awk '$2 == ".rsrc" {print $3}')
/usr/bin/python3 tools/bench/bench_report.py "$measured" "$(stat -c %s "$shipped")" "$((16#$rsrc))" \
    "$runs" docs/performance.md

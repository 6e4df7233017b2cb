#!/usr/bin/env bash
# GAME_DIR OUT_DIR: the resource lines of the floor's pictures, in OUT_DIR/floor_bitmaps.rc. The
# floor shows the same background as the launcher, uncompressed: the small one as the launcher
# carries it, and the large one (where the game has one) decoded into a 24-bit bitmap.
set -euo pipefail
game="$1" out="$2"
grep '^IDB_BACKGROUND ' "$game/bitmaps.rc" >"$out/floor_bitmaps.rc"
large="$game/bitmaps/background_2x.qoi"
[ -f "$large" ] || exit 0
qoiconv "$large" "$out/background_2x.png" >/dev/null
/usr/bin/python3 -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).save(sys.argv[2])' \
    "$out/background_2x.png" "$out/background_2x.bmp"
echo "IDB_BACKGROUND_2X BITMAP \"$out/background_2x.bmp\"" >>"$out/floor_bitmaps.rc"

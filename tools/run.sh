#!/usr/bin/env bash
# Lays out the disc that ships (the i386 launcher with the profile's disc files, or the demo
# setup, game and reader stand-in where it has none) in build/disc and opens the launcher there
# under Wine. With no display it renders the window on a private Xvfb, saves build/launcher.png
# and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine/env.sh
trap wine_env_cleanup EXIT

disc="$PWD/build/disc"
source build/win32/game/game.env
tools/disc/make_disc.py --or-stand-ins "$GAME_PROFILE" "$disc" build/win32
# The disc's launcher, with the list of its files that Check disc reads against.
/usr/bin/python3 tools/disc/disc_manifest.py "$disc" build/win32

# SCALE=125, 150 or 200 shows it as on a screen of that display scale, on a desktop as much
# larger than 1024 x 768.
scale="${SCALE:-100}"
case "$scale" in
100 | 125 | 150 | 175 | 200) ;;
*)
    echo "SCALE: '$scale' is not one of 100 125 150 175 200" >&2
    exit 1
    ;;
esac
desktop="$((1024 * scale / 100))x$((768 * scale / 100))"

# A prefix of its own that lives on between runs, so that what the demo setup installs is
# still there the next time.
wine_env_prefix "$PWD/build/run-prefix" "$desktop"
wine_env_scale "$scale"
launcher="$disc/launcher.exe"
# Whatever the game and the language, the caption holds the version after this.
title="  v\\. "

interactive=1
if [ -z "${DISPLAY:-}" ]; then
    interactive=""
    if [ "$scale" = 100 ]; then wine_env_display; else wine_env_display "$desktop"; fi
fi

launcher_pid=$(wine_env_start_window "$title" "$disc" "$launcher")
if [ -n "$interactive" ]; then
    echo "Opened the launcher on the demo disc ($disc)."
    while kill -0 "$launcher_pid" 2>/dev/null; do sleep 0.5; done
    exit 0
fi

# Xvfb starts with its pointer in the middle, over a button: move it off the window and let the
# button go dark again before the picture is taken. The virtual desktop sits at the screen's
# top-left; the launcher is centred in it.
shot="$PWD/build/launcher.png"
sleep 1
xdotool mousemove 1000 20
sleep 1
if [ "$scale" = 100 ]; then
    import -window root -crop 635x416+194+176 "$shot"
else
    # The window's size depends on the caption Wine draws at that scale: the desktop around it
    # is cut away.
    import -window root -crop "$desktop+0+0" -trim +repage "$shot"
fi
echo "No display: rendered the launcher on a private X server and saved $shot"

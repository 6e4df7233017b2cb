#!/usr/bin/env bash
# Lays out a disc folder from one build, named as its game's profile says: the launcher and
# autorun.inf at the root, the demo setup and its payload (the game and a copy of the documents),
# the manuals and guides, and a reader-installer stand-in.
#
#   tools/disc/make_disc.sh FOLDER BUILD      e.g. build/disc build/win64
set -euo pipefail
cd "$(dirname "$0")/../.."
disc="$1"
build="$2"
source "$build/game/game.env"

rm -rf "$disc"
mkdir -p "$disc/payload/$(dirname "$GAME_DEFAULT_APP_FILE")" "$disc/$(dirname "$GAME_READER_INSTALLER")"
cp "$build/launcher.exe" "$disc/launcher.exe"
cp "$build/demo/setup.exe" "$disc/$GAME_SETUP"
cp "$build/demo/game.exe" "$disc/payload/$GAME_DEFAULT_APP_FILE"
cp "$build/demo/reader.exe" "$disc/$GAME_READER_INSTALLER"
# The menu's programs (a prerequisite's setup) are stood in for by the reader's stand-in.
for program in $GAME_MENU_PROGRAMS; do
    mkdir -p "$disc/$(dirname "$program")"
    cp "$build/demo/reader.exe" "$disc/$program"
done
for folder in $GAME_MENU_FOLDERS; do
    mkdir -p "$disc/$folder"
done
# The documents are read from the disc, and from the installation once the setup has copied
# the payload.
/usr/bin/python3 tools/disc/make_documents.py "$GAME_PROFILE" "$disc" "$disc/payload"
printf '[autorun]\r\nopen=launcher.exe\r\nicon=launcher.exe,0\r\nlabel=%s\r\n' "$GAME_TITLE" \
    >"$disc/autorun.inf"

#!/usr/bin/env bash
# A publisher's disc made the way `make disc` makes one from a folder of the publisher's own
# files: every file the profile names, the programs being recorders, laid out through the
# profile's own-folder path, written to build/publisher.iso and read back as Windows reads it
# (the Joliet names) into each lane's folder, which a scenario starts the launcher from (its
# recorders log beside themselves: the lanes, which run side by side, each have their own).
#
#   tests/files/publisher_disc.sh RECORDER FOLDER...
set -euo pipefail
cd "$(dirname "$0")/../.."
recorder="$1"
shift
source build/win32/game/game.env
files=build/publisher-files
tools/disc/make_disc.py --stand-ins "$GAME_PROFILE" "$files" build/win32
rm "$files/launcher.exe" "$files/autorun.inf" "$files.signed"
# Each program of the disc records how it was started.
find "$files" -iname '*.exe' -exec cp "$recorder" {} \;
DISC_FOLDER="$files" tools/disc/make_iso.sh build/publisher.iso build/publisher-root \
    >/dev/null
for disc in "$@"; do
    rm -rf "$disc"
    xorriso -read_fs norock -osirrox on -indev build/publisher.iso -extract / "$disc" >/dev/null 2>&1
done

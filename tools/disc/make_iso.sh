#!/usr/bin/env bash
# Writes build/disc.iso: the disc folder laid out from the shipped build, as ISO 9660 with
# Joliet names (which keep "™" and "®") and a volume label.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=build/iso-root
tools/disc/make_disc.sh "$root" build/win32
source build/win32/game/game.env
rm -f build/disc.iso
xorriso -as mkisofs -quiet -J -joliet-long -r -V "$GAME_VOLUME_LABEL" \
    -o build/disc.iso "$root"
echo "Wrote build/disc.iso"

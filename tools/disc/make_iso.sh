#!/usr/bin/env bash
# Writes the disc folder laid out from the shipped build as ISO 9660 with Joliet names (which
# keep "™" and "®") and a volume label:
#
#   tools/disc/make_iso.sh [ISO [FOLDER]]      by default build/disc.iso and build/iso-root
#
# With SIGN_CERT and SIGN_KEY set (tools/disc/sign.sh) the disc's programs are signed and
# verified first; a disc that cannot be signed gets no ISO.
set -euo pipefail
cd "$(dirname "$0")/../.."
iso="${1:-build/disc.iso}"
root="${2:-build/iso-root}"
rm -f "$iso"
tools/disc/make_disc.sh "$root" build/win32
source build/win32/game/game.env
# The reader installer is not ours to sign: a real disc carries its maker's signed file.
if [ -n "${SIGN_CERT:-}${SIGN_KEY:-}" ]; then
    tools/disc/sign.sh "$root/launcher.exe" "$root/$GAME_SETUP" \
        "$root/payload/$GAME_DEFAULT_APP_FILE"
fi
xorriso -as mkisofs -quiet -J -joliet-long -r -V "$GAME_VOLUME_LABEL" -o "$iso" "$root"
echo "Wrote $iso"

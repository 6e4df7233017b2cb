#!/usr/bin/env bash
# Writes the game's disc as an ISO image: ISO 9660 with Joliet names, which Windows reads (up to
# 103 characters, spaces, case and any script kept), Rock Ridge (dates and modes kept) and the
# profile's volume label.
#
#   tools/disc/make_iso.sh [ISO [FOLDER]]      by default build/disc.iso and build/iso-root
#
# The disc is laid out in FOLDER by tools/disc/make_disc.py, from the publisher's folder the
# profile names; a file the profile points at that is not there stops it, and no ISO is
# written. DISC_FOLDER takes the disc's own files from another folder than the profile's;
# DISC_OPTIONS=--or-stand-ins lays out the demo programs for a profile without one. With
# SIGN_CERT and SIGN_KEY set (tools/disc/sign.sh) the launcher and the programs the profile
# lists under [disc] sign are signed and verified first; a disc that cannot be signed gets no
# ISO. The launcher is built anew with the list of the disc's files, their sizes and SHA-256
# (tools/disc/disc_manifest.py), after the other programs are signed and before it is, and the
# files go on the disc in the list's order.
set -euo pipefail
cd "$(dirname "$0")/../.."
iso="${1:-build/disc.iso}"
root="${2:-build/iso-root}"
rm -f "$iso"
source build/win32/game/game.env
# shellcheck disable=SC2086
/usr/bin/python3 tools/disc/make_disc.py ${DISC_OPTIONS:-} ${DISC_FOLDER:+--folder "$DISC_FOLDER"} \
    "$GAME_PROFILE" "$root" build/win32
# Whatever the disc adds carries autorun.inf's date (tools/disc/make_disc.py), and so do the
# image's own dates and the signatures: the same folder makes the same disc.
SOURCE_DATE_EPOCH=$(stat -c %Y "$root/autorun.inf")
export SOURCE_DATE_EPOCH SIGN_TIME=$SOURCE_DATE_EPOCH
# Signing and the launcher's list write beside the files: the folders get their dates back.
folder_dates=$(cd "$root" && find . -type d -printf '%T@\t%p\n')
signing=""
[ -z "${SIGN_CERT:-}${SIGN_KEY:-}" ] || signing=1
# The launcher last: it carries the list of the other files as they go on the disc, signed.
mapfile -t programs <"$root.signed"
[ -z "$signing" ] || [ ${#programs[@]} -lt 2 ] || tools/disc/sign.sh "${programs[@]:1}"
/usr/bin/python3 tools/disc/disc_manifest.py "$root" build/win32
[ -z "$signing" ] || tools/disc/sign.sh "${programs[0]}"
while IFS=$'\t' read -r date folder; do
    touch -m -d "@$date" "$root/$folder"
done <<<"$folder_dates"
xorriso -report_about WARNING -as mkisofs -quiet -J -joliet-long -joliet-utf16 -R -V "$GAME_VOLUME_LABEL" \
    --sort-weight-list "$root.order" -o "$iso" "$root"
echo "Wrote $iso"

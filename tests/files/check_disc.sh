#!/usr/bin/env bash
# Checks the demo disc as files against the game's profile: every manual a valid PDF (by
# poppler's pdfinfo), every guide an RTF, and the ISO image listing the disc's files under their
# own names, with its volume label and autorun.inf naming the launcher. Prints the plain
# pass/fail line CI reads.
#
#   check_disc.sh DISC-FOLDER ISO TABLE      (TABLE: the end-to-end table the build wrote)
set -u
disc="$1"
iso="$2"
table="$3"
source "$(dirname "$0")/check.sh"
# A shorthand of the table, its backslashes turned into slashes.
word() { sed -n "s/^$1 = //p" "$table" | tr '\\' /; }
list() { word "$1" | sed 's/ | /\n/g'; }

mapfile -t manuals < <(list @manuals)
mapfile -t guides < <(list @guides)
for name in "${manuals[@]}"; do
    check "$name is a PDF" "pdfinfo '$disc/$name' | grep -q '^Pages: *1'"
    check "$name says it is a manual" "pdfinfo '$disc/$name' | grep -q 'Title:.*Manual'"
done
for name in "${guides[@]}"; do
    check "$name is an RTF" "head -c 6 '$disc/$name' | grep -q '{.rtf1'"
done

listing=$(xorriso -indev "$iso" -find / -type f 2>/dev/null)
for file in launcher.exe "$(word @setup-file)" autorun.inf "payload/$(word @default-game)" \
    "$(word @adobe | sed 's|^@disc/||')$(word @new_)en_US.exe" "${manuals[0]}" "${guides[-1]}"; do
    check "the image holds $file" "grep -qF \"'/$file'\" <<<\"\$listing\""
done
check "the image has the game's volume label" \
    "xorriso -indev '$iso' -pvd_info 2>/dev/null | grep -q 'Volume Id *: $(word @volume-label)\$'"
autorun=$(mktemp)
xorriso -osirrox on -indev "$iso" -extract /autorun.inf "$autorun" >/dev/null 2>&1
check "autorun.inf opens the launcher" "grep -q '^open=launcher.exe' '$autorun'"
check "autorun.inf shows the launcher's icon" "grep -q '^icon=launcher.exe,0' '$autorun'"
rm -f "$autorun"

checks_done

#!/usr/bin/env bash
# Checks the discs as files: the demo disc's documents against the game's profile (every manual
# a valid PDF by poppler's pdfinfo, every guide an RTF); each image (the disc that ships and one
# made from a publisher's folder) holding its laid-out folder byte for byte under the names
# Windows reads (Joliet), with the dates Rock Ridge keeps and the game's volume label; and
# autorun.inf in UTF-16, whose label Windows' profile functions read whole in a Western and a
# Japanese locale; the launcher listing every other file of its image. Prints the plain pass/fail
# line CI reads.
#
#   check_disc.sh DEMO-DISC BUILD TABLE LABEL-READER    (TABLE: the end-to-end table the build wrote)
set -u
disc="$1"
build="$2"
table="$3"
label_reader="$4"
source "$(dirname "$0")/check.sh"
source "$(dirname "$0")/../../tools/wine/env.sh"
# A shorthand of the table, its backslashes turned into slashes.
word() { sed -n "s/^$1 = //p" "$table" | tr '\\' /; }
list() { word "$1" | sed 's/ | /\n/g'; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mapfile -t manuals < <(list @manuals)
mapfile -t guides < <(list @guides)
for name in "${manuals[@]}"; do
    [ -n "$name" ] || continue
    check "$name is a PDF" "pdfinfo '$disc/$name' | grep -q '^Pages: *1'"
    check "$name says it is a manual" "pdfinfo '$disc/$name' | grep -q 'Title:.*Manual'"
done
for name in "${guides[@]}"; do
    [ -n "$name" ] || continue
    check "$name is an RTF" "head -c 6 '$disc/$name' | grep -q '{.rtf1'"
done

# FOLDER: each file's path and modification time, in seconds as ISO 9660 keeps them.
dates() { (cd "$1" && find . -type f -printf '%p %TY%Tm%Td%TH%TM%TS\n' | cut -d. -f1-2 | sort); }
for image in disc:iso-root publisher:publisher-root; do
    iso="$build/${image%%:*}.iso" root="$build/${image#*:}"
    rm -rf "$work/joliet" "$work/rock"
    xorriso -read_fs norock -osirrox on -indev "$iso" -extract / "$work/joliet" >/dev/null 2>&1
    xorriso -osirrox on -indev "$iso" -extract / "$work/rock" >/dev/null 2>&1
    check "$iso holds $root byte for byte under its Joliet names" "diff -r '$root' '$work/joliet'"
    check "$iso keeps the files' dates" "[ \"\$(dates '$root')\" = \"\$(dates '$work/rock')\" ]"
    check "$iso's launcher lists every other file, size and SHA-256, in the image's order" \
        "/usr/bin/python3 '$(dirname "$0")/disc_listed.py' '$iso' '$work/joliet'"
    check "$iso has the game's volume label" \
        "xorriso -indev '$iso' -pvd_info 2>/dev/null | grep -q 'Volume Id *: $(word @volume-label)\$'"
done

autorun="$build/iso-root/autorun.inf"
check "autorun.inf is UTF-16 with its byte-order mark" "[ \"\$(head -c 2 '$autorun' | od -An -tx1)\" = ' ff fe' ]"
iconv -f UTF-16 -t UTF-8 "$autorun" | tr -d '\r' >"$work/autorun.txt"
check "autorun.inf opens the launcher" "grep -qx 'open=launcher.exe' '$work/autorun.txt'"
check "autorun.inf shows the launcher's icon" "grep -qx 'icon=launcher.exe,0' '$work/autorun.txt'"
label=$(sed -n 's/^label=//p' "$work/autorun.txt")
check "the label is the title's start, at most 32 characters" \
    "[ \${#label} -le 32 ] && [[ '$(word @game-title)' == \"\$label\"* ]]"
for locale in en_US ja_JP; do
    rm -f "$work/read"
    LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 "$WINE" "$label_reader" \
        "$("$WINE" winepath -w "$autorun" 2>/dev/null)" "$("$WINE" winepath -w "$work/read" 2>/dev/null)" \
        >/dev/null 2>&1
    check "Windows reads the label whole in $locale" "[ \"\$(cat '$work/read' 2>/dev/null)\" = \"\$label\" ]"
done

checks_done

#!/usr/bin/env bash
# Checks the demo disc as files: every manual a valid PDF (by poppler's pdfinfo), every guide
# an RTF, and the ISO image listing every file under its own name with autorun.inf naming the
# launcher. Prints the plain pass/fail line CI reads.
set -u
disc="$1"
iso="$2"
passed=0
failed=0
check() {
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $1"; fi
}

manuals=(EN FR IT DE SP PL RU)
for suffix in "${manuals[@]}"; do
    check "manual $suffix is a PDF" \
        "pdfinfo '$disc/support/Zentrava™_Kelvane™_II_Manual-$suffix.pdf' | grep -q '^Pages: *1'"
done
for name in "Zentrava®_Kelvane™_II_Manual-EN.pdf" "Zentrava®_Kelvane™_II_Manual-FR.pdf"; do
    check "$name is a PDF" "pdfinfo '$disc/support/$name' | grep -q 'Title:.*Manual'"
done
check "the US manual says what it is for" \
    "pdftotext '$disc/support/Zentrava®_Kelvane™_II_Manual-EN.pdf' - | grep -q 'United States'"
for suffix in "" -FR -IT -DE -SP; do
    check "guide '$suffix' is an RTF" \
        "head -c 6 '$disc/support/Zentrava™_Kelvane™_II_Troubleshooting_Guide$suffix.rtf' | grep -q '{.rtf1'"
done

listing=$(xorriso -indev "$iso" -find / -type f 2>/dev/null)
for file in launcher.exe setup.exe autorun.inf payload/bin/Tarvok2.exe \
    support/adobe/AdbeRdr934_en_US.exe "support/Zentrava®_Kelvane™_II_Manual-EN.pdf" \
    "support/Zentrava™_Kelvane™_II_Troubleshooting_Guide-SP.rtf"; do
    check "the image holds $file" "grep -qF \"'/$file'\" <<<\"\$listing\""
done
check "the image has a volume label" \
    "xorriso -indev '$iso' -pvd_info 2>/dev/null | grep -q 'Volume Id *: ZENTRAVA_K2'"
autorun=$(mktemp)
xorriso -osirrox on -indev "$iso" -extract /autorun.inf "$autorun" >/dev/null 2>&1
check "autorun.inf opens the launcher" "grep -q '^open=launcher.exe' '$autorun'"
check "autorun.inf shows the launcher's icon" "grep -q '^icon=launcher.exe,0' '$autorun'"
rm -f "$autorun"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

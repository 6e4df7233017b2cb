#!/usr/bin/env bash
# A contact sheet for reviewing a game's launcher: the launcher that ships, started under Wine
# in every language its profile carries, as Install offers it, as Play offers it and with the
# pointer on Manual, side by side and labelled in build/preview.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine/env.sh
trap wine_env_cleanup EXIT
source build/win32/game/game.env

# The locale each language is shown in. Wine takes English for a locale the host lacks.
declare -A locales=([cs]=cs_CZ [da]=da_DK [de]=de_DE [en]=en_US [es]=es_ES [fi]=fi_FI
    [fr]=fr_FR [hu]=hu_HU [it]=it_IT [ja]=ja_JP [ko]=ko_KR [nb]=nb_NO [nl]=nl_NL [pl]=pl_PL
    [pt]=pt_BR [ru]=ru_RU [sv]=sv_SE [tr]=tr_TR [zh]=zh_CN)
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
# The window sits in the middle of the 1024 x 768 virtual desktop, at the screen's top-left.
window=635x416+194+176
manual_button="$((194 + 171 + 150)) $((176 + 21 + 186 + 40 + 16))"

disc="$PWD/build/preview-disc"
shots="$PWD/build/preview"
tools/disc/make_disc.sh "$disc" build/win32
rm -rf "$shots" && mkdir -p "$shots"
wine_env_prefix "$PWD/build/preview-prefix" 1024x768
wine_env_display
wine_env_server

# Both registry views: the shipped launcher is a 32-bit program.
installed() {
    local view
    for view in 32 64; do
        "$WINE" reg "$1" "HKLM\\$GAME_REGISTRY_KEY" /f /reg:$view \
            ${2:+/v "$GAME_PATH_VALUE" /d "$2"} >/dev/null 2>&1 || true
    done
}

shoot() {
    local name="$1" pointer="$2"
    local pid
    pid=$(LANG="$locale.UTF-8" LC_ALL="$locale.UTF-8" wine_env_start_window "  v\\. " "$disc" \
        "$disc/launcher.exe")
    # shellcheck disable=SC2086
    xdotool mousemove $pointer
    sleep 1.5
    import -window root -crop "$window" "$shots/$name.png"
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
}

for language in $GAME_LANGUAGES; do
    locale=${locales[$language]}
    locale -a | grep -qix "$locale.utf-\?8" || as_root localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    installed delete
    shoot "$language-1-Install" "1000 20"
    installed add 'C:\windows'
    shoot "$language-2-Play" "1000 20"
    shoot "$language-3-Manual hovered" "$manual_button"
done
installed delete

/usr/bin/python3 - "$shots" build/preview.png "$GAME_TITLE" <<'PY'
import os, sys
from PIL import Image, ImageDraw, ImageFont
shots, out, title = sys.argv[1:4]
names = sorted(os.listdir(shots))
columns, label, gap = 3, 22, 12
first = Image.open(os.path.join(shots, names[0]))
width, height = first.size
rows = (len(names) + columns - 1) // columns
sheet = Image.new("RGB", (columns * (width + gap) + gap, 40 + rows * (height + label + gap)), "white")
draw = ImageDraw.Draw(sheet)
face = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 15)
draw.text((gap, 10), title + ": the launcher in every language", font=face, fill="black")
for i, name in enumerate(names):
    x = gap + (i % columns) * (width + gap)
    y = 40 + (i // columns) * (height + label + gap)
    language, _, state = os.path.splitext(name)[0].partition("-")
    draw.text((x, y), "%s: %s" % (language, state.split("-", 1)[1]), font=face, fill="black")
    sheet.paste(Image.open(os.path.join(shots, name)), (x, y + label))
sheet.save(out)
print("Wrote %s: %d screenshots" % (out, len(names)))
PY

#!/usr/bin/env bash
# A contact sheet for reviewing a game's launcher: the launcher that ships, started under Wine
# in every language its profile carries, as Install offers it, as Play offers it (with the
# version of the disc's game in its caption) and with the pointer on Manual (or the second
# button) at 100 %, and as Play offers it at 200 % display scale (the first language also at
# 150 %), each language in a row of build/preview.png; and a row of the first language with
# each button lit in turn, which shows every description.
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
# At 100 % the window sits in the middle of the 1280 x 1024 virtual desktop, at the screen's
# top-left; at other scales its size depends on the caption Wine draws, and the desktop around
# it is cut away. The pointer's resting place is outside the window at every scale.
desktop=1280x1024
window=635x416+322+304
# TOP: the middle of the button whose row starts there.
button_at() { echo "$((322 + 171 + 150)) $((304 + 21 + $1 + 16))"; }
read -r pointed pointed_top <<<"$GAME_POINTED"
pointed_button=$(button_at "$pointed_top")
away="1000 20"

disc="$PWD/build/preview-disc"
shots="$PWD/build/preview"
tools/disc/make_disc.py --or-stand-ins "$GAME_PROFILE" "$disc" build/win32
# The game whose version the caption shows: the stand-in the demo setup installs, else the
# publisher's game where the disc carries it as it is.
game="$disc/payload/$GAME_DEFAULT_APP_FILE"
[ -f "$game" ] || game="$disc/$GAME_DEFAULT_APP_FILE"
[ -f "$game" ] || echo "preview: no game program at $GAME_DEFAULT_APP_FILE on the disc: the" \
    "caption shows v. 0.0.0"
rm -rf "$shots" && mkdir -p "$shots"
wine_env_prefix "$PWD/build/preview-prefix" "$desktop"
wine_env_display
wine_env_server

# Both registry views: the shipped launcher is a 32-bit program.
game_folder=$("$WINE" winepath -w "$(dirname "$game")")
game=$("$WINE" winepath -w "$game")
installed() {
    local view
    for view in 32 64; do
        if [ "$1" = delete ]; then
            "$WINE" reg delete "HKLM\\$GAME_REGISTRY_KEY" /f /reg:$view >/dev/null 2>&1 || true
            continue
        fi
        "$WINE" reg add "HKLM\\$GAME_REGISTRY_KEY" /f /reg:$view /v "$GAME_PATH_VALUE" \
            /d "$game_folder" >/dev/null 2>&1 || true
        "$WINE" reg add "HKLM\\$GAME_REGISTRY_KEY" /f /reg:$view /v "$GAME_APP_FILE_VALUE" \
            /d "$game" >/dev/null 2>&1 || true
    done
}

# NAME POINTER [SCALE]
shoot() {
    local name="$1" pointer="$2" scale="${3:-100}"
    local pid
    wine_env_scale "$scale"
    pid=$(LANG="$locale.UTF-8" LC_ALL="$locale.UTF-8" wine_env_start_window "  v\\. " "$disc" \
        "$disc/launcher.exe")
    # shellcheck disable=SC2086
    xdotool mousemove $pointer
    sleep 1.5
    if [ "$scale" = 100 ]; then
        import -window root -crop "$window" "$shots/$name.png"
    else
        import -window root -crop "$desktop+0+0" -trim +repage "$shots/$name.png"
    fi
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
    shoot "$language-1-Install" "$away"
    installed add
    shoot "$language-2-Play" "$away"
    shoot "$language-3-${pointed^} pointed at" "$pointed_button"
    shoot "$language-4-Play at 200 %" "$away" 200
    if [ "$language" = "${GAME_LANGUAGES%% *}" ]; then
        shoot "$language-5-Play at 150 %" "$away" 150
        number=0
        for top in $GAME_BUTTON_TOPS; do
            number=$((number + 1))
            shoot "${language}_lit-$number-button $number lit" "$(button_at "$top")"
        done
    fi
done
installed delete
wine_env_scale 100

/usr/bin/python3 - "$shots" build/preview.png "$GAME_TITLE" <<'PY'
import os, sys
from PIL import Image, ImageDraw, ImageFont
shots, out, title = sys.argv[1:4]
names = sorted(os.listdir(shots))
label, gap = 22, 12
rows = {}
for name in names:
    rows.setdefault(name.split("-", 1)[0], []).append(name)
images = {name: Image.open(os.path.join(shots, name)) for name in names}
width = max(sum(images[n].size[0] + gap for n in row) for row in rows.values()) + gap
heights = [max(images[n].size[1] for n in row) + label + gap for row in rows.values()]
sheet = Image.new("RGB", (width, 40 + sum(heights)), "white")
draw = ImageDraw.Draw(sheet)
face = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 15)
draw.text((gap, 10), title + ": the launcher in every language", font=face, fill="black")
y = 40
for (language, row), height in zip(rows.items(), heights):
    x = gap
    for name in row:
        state = os.path.splitext(name)[0].split("-", 2)[2]
        draw.text((x, y), "%s: %s" % (language, state), font=face, fill="black")
        sheet.paste(images[name], (x, y + label))
        x += images[name].size[0] + gap
    y += height
sheet.save(out)
print("Wrote %s: %d screenshots" % (out, len(names)))
PY

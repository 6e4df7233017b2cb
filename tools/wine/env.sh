# Sourced by the run and test scripts: a private Wine prefix and, when needed, a private X
# display. Everything it starts is ended by wine_env_cleanup.
#
# Wine runs as its 64-bit loader from build/wine (tools/wine/layout.sh) with a 64-bit prefix
# whose syswow64 is populated: x86-64 programs run natively, and the shipped i386 launcher runs
# through Wine's WoW64, under user-mode QEMU where the kernel cannot execute i386 code
# (docs/architecture.md).

WINE="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine/lib/wine/wine64"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko prompts, no menu entries on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

XVFB_PID=""

# Makes the prefix if it is missing: crash dialog off and every program inside a virtual desktop
# of the given size, which gives windows their captions and keyboard focus without a window
# manager.
wine_env_prefix() {
    local prefix="$1" desktop="${2:-1024x768}"
    export WINEPREFIX="$prefix"
    if [ ! -f "$prefix/system.reg" ]; then
        mkdir -p "$prefix"
        "$WINE" wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    # Debian's Wine reads TrueType fonts only from the prefix and from fontconfig's folders,
    # while fonts-wine puts Wine's own in /usr/share/wine/fonts: without Marlett there, every
    # caption draws its minimize, maximize and close boxes as the letters "0 1 r".
    ln -sf /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    local reg="$prefix/launcher-settings.reg"
    cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$desktop"
REG
    "$WINE" regedit /S "$("$WINE" winepath -w "$reg")" >/dev/null 2>&1
    wineserver -w
}

# The display scale of the prefix's programs, in percent (100, 125, 150, 200): Wine takes the
# system DPI from LogPixels when a program starts.
wine_env_scale() {
    local percent="$1"
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d $((96 * percent / 100)) /f >/dev/null 2>&1
}

# Starts a private Xvfb, of the size given (1280x1024 when none is). It picks a free display
# number itself and writes it to descriptor 3 once it listens there, so that two scripts
# starting at the same moment never share a screen.
wine_env_display() {
    local number_file number size="${1:-1280x1024}"
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        read -r number <"$number_file" && break
        sleep 0.1
    done
    rm -f "$number_file"
    if [ -z "${number:-}" ]; then
        echo "could not start Xvfb" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# One persistent server for the whole run, so that each program does not start its own, with
# Wine's services already up: started by the first program, they would outlive it and inherit
# (and hold open) the output pipes of whatever runs it, such as CTest.
wine_env_server() {
    wineserver -w
    wineserver -p
    "$WINE" cmd /c exit >/dev/null 2>&1
}

# Starts PROGRAM from FOLDER and prints its process id once a window titled TITLE is up. An
# emulated start can hang (Wine's X11 driver failing to load was seen once in a few cold starts),
# so each start has a time limit, and a start that shows no window is retried once, saying so.
WINE_START_SECONDS=${WINE_START_SECONDS:-30}
wine_env_start_window() {
    local title="$1" folder="$2" program="$3" attempt pid
    for attempt in 1 2; do
        (cd "$folder" && exec "$WINE" "$program") >/dev/null 2>&1 &
        pid=$!
        if wine_env_wait_window "$title" "$WINE_START_SECONDS"; then
            echo "$pid"
            return 0
        fi
        kill "$pid" 2>/dev/null || true
        echo "wine: ${program##*/} showed no window within ${WINE_START_SECONDS} s (attempt $attempt of 2)" >&2
    done
    return 1
}

wine_env_wait_window() {
    local title="$1" seconds="$2"
    for _ in $(seq $((seconds * 5))); do
        xdotool search --name "$title" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    return 1
}

# Never fails: it runs from EXIT traps, where a failure would become the script's exit status.
wine_env_cleanup() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
    fi
    XVFB_PID=""
}

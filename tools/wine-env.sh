# Sourced by the run and test scripts: a private Wine prefix and, when needed, a private X
# display. Everything it starts is ended by wine_env_cleanup.
#
# Wine runs here as its 64-bit loader with a 64-bit prefix: these machines boot with the
# kernel's 32-bit emulation off, so no 32-bit x86 code can run, Wine's WoW64 included. The
# programs run under it are the x86-64 build of the launcher (docs/architecture.md).

WINE=/usr/lib/wine/wine64
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

# Starts a private Xvfb unless a display is already there (or forced with a first argument).
wine_env_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${1:-}" ]; then
        return 0
    fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

# One persistent server for the whole run, so that each program does not start its own, with
# Wine's services already up: started by the first program, they would outlive it and inherit
# (and hold open) the output pipes of whatever runs it, such as CTest.
wine_env_server() {
    wineserver -w
    wineserver -p
    "$WINE" cmd /c exit >/dev/null 2>&1
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

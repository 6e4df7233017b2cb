#!/usr/bin/env bash
# Runs every test twice over, side by side: the x86-64 test build, and the i386 one against the
# launcher that ships. Each lane has a fresh, disposable Wine prefix, its own X display and its
# own wineserver; inside a lane the tests run one at a time, since they share the prefix's
# registry, the screen and the pointer. Arguments go to both CTest runs.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine/env.sh

# The scenarios' demo discs, whatever the profile's own files; the disc that ships, as
# `make disc` writes it (stand-ins for a profile without files of its own); and a publisher's
# disc read back from its image.
source build/win32/game/game.env
# Each lane's demo disc has its launcher with the list of the disc's files, and a failing copy:
# the same files through a file system of tests/files/failing_disc.py.
failing_discs=()
trap 'for disc in "${failing_discs[@]}"; do umount "$disc"; done' EXIT
for lane in build/win64:build/win64 build/win32-tests:build/win32; do
    disc="${lane%%:*}/test-disc" failing="${lane%%:*}/failing-disc"
    tools/disc/make_disc.py --stand-ins "$GAME_PROFILE" "$disc" "${lane#*:}"
    tools/disc/disc_manifest.py "$disc" "${lane#*:}"
    umount "$failing" 2>/dev/null || true
    mkdir -p "$failing"
    /usr/bin/python3 tests/files/failing_disc.py "$disc" "$failing" \
        "payload/$GAME_DEFAULT_APP_FILE@131072" "$(head -1 "$disc.order" | cut -d/ -f2-)" &
    failing_discs+=("$failing")
    for _ in $(seq 50); do [ -e "$failing/launcher.exe" ] && break; sleep 0.1; done
done
DISC_OPTIONS=--or-stand-ins tools/disc/make_iso.sh >/dev/null
tests/files/publisher_disc.sh build/win32-tests/recorder.exe build/win64/publisher-disc \
    build/win32-tests/publisher-disc

# Wine's own associations would hand documents and addresses to the host's programs: each
# test makes the ones it needs. One test program runs on a small desktop of its own.
prepare_prefix() {
    local prefix="$1"
    rm -rf "$prefix"
    wine_env_prefix "$prefix" 1280x1024
    cat >"$prefix/no-associations.reg" <<'REG'
REGEDIT4

[-HKEY_CLASSES_ROOT\.pdf]
[-HKEY_CLASSES_ROOT\.rtf]
[-HKEY_CLASSES_ROOT\http]
[-HKEY_CLASSES_ROOT\https]
[-HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Small"="600x400"

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\small_screen_tests.exe\Explorer]
"Desktop"="Small"
REG
    "$WINE" regedit /S "$("$WINE" winepath -w "$prefix/no-associations.reg")" >/dev/null 2>&1
}

# No sound card here: ALSA's default device writes what the launcher plays to a file, which the
# tests read (Wine's ALSA driver takes the device from $HOME/.asoundrc).
capture_sound() {
    local folder="$1"
    mkdir -p "$folder"
    printf 'pcm.!default { type file; slave.pcm "null"; file "%s/played.raw"; format "raw" }\n' \
        "$folder" >"$folder/.asoundrc"
    export HOME="$folder" SOUND_CAPTURE="$folder/played.raw"
}

# One lane: NAME TREE CTEST-ARGUMENTS...; its whole output goes to build/tests-NAME.log.
lane() {
    local name="$1" tree="$2"
    shift 2
    (
        trap wine_env_cleanup EXIT
        capture_sound "$PWD/build/sound-$name"
        prepare_prefix "$PWD/build/test-prefix-$name"
        wine_env_display
        wine_env_server
        ctest --test-dir "$tree" --output-on-failure "$@"
    ) >"build/tests-$name.log" 2>&1
}

# Every test has a time limit, so that a hang fails fast and CTest names the test that hung.
lane x86-64 build/win64 --timeout "${X86_64_TEST_SECONDS:-300}" "$@" &
x86_64_lane=$!
# An emulated start can hang on its own: a test program that hangs is started once more, and
# CTest's log shows it as the test's second run.
lane i386 build/win32-tests --timeout "${I386_TEST_SECONDS:-600}" --repeat after-timeout:2 "$@" &
i386_lane=$!

status=0
for name in x86-64 i386; do
    pid=$x86_64_lane
    [ "$name" = i386 ] && pid=$i386_lane
    wait "$pid" || status=1
    echo "=== $name"
    cat "build/tests-$name.log"
done
exit "$status"

#!/usr/bin/env bash
# Runs every test in a fresh, disposable Wine prefix on a private X display: the x86-64 test
# build, then the i386 one against the launcher that ships. Arguments go to both CTest runs.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
trap wine_env_cleanup EXIT

tools/make_disc.sh build/win64/test-disc build/win64
tools/make_disc.sh build/win32-tests/test-disc build/win32
tools/make_iso.sh >/dev/null
prefix="$PWD/build/test-prefix"
rm -rf "$prefix"
wine_env_prefix "$prefix" 1024x768
# Wine's own associations would hand documents and addresses to the host's programs: each
# test makes the ones it needs. One test program runs on a small desktop of its own.
cat >"$prefix/no-associations.reg" <<'REG'
REGEDIT4

[-HKEY_CLASSES_ROOT\.pdf]
[-HKEY_CLASSES_ROOT\.rtf]
[-HKEY_CLASSES_ROOT\http]
[-HKEY_CLASSES_ROOT\https]

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Small"="600x400"

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\small_screen_tests.exe\Explorer]
"Desktop"="Small"
REG
"$WINE" regedit /S "$("$WINE" winepath -w "$prefix/no-associations.reg")" >/dev/null 2>&1
wine_env_display force
wine_env_server
# One at a time: the tests share the prefix's registry, screen and pointer.
ctest --test-dir build/win64 --output-on-failure "$@"
# Every emulated start has a time limit; a run that hangs is started once more, and CTest's
# log shows it as the test's second run.
ctest --test-dir build/win32-tests --output-on-failure --timeout "${I386_TEST_SECONDS:-600}" \
    --repeat after-timeout:2 "$@"

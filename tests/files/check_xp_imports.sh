#!/usr/bin/env bash
# Every Windows function the shipped launcher imports is one that Windows XP SP1 has: a probe
# that takes each one's address is compiled against the headers at XP's API level, where a
# newer function is not declared. The C runtime's imports are msvcrt's, not Windows' headers'.
set -u
launcher="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/check.sh"

i686-w64-mingw32-objdump -p "$launcher" | awk '
    /DLL Name:/ { dll = tolower($3) }
    /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ && dll != "msvcrt.dll" { print $3 }' >"$work/imports"
{
    printf '#include <windows.h>\n#include <shellapi.h>\n#include <wincrypt.h>\n'
    awk '{ printf "auto* const import%d = &::%s;\n", NR, $1 }' "$work/imports"
} >"$work/probe.cpp"
LC_ALL=C i686-w64-mingw32-g++ -std=c++17 -fsyntax-only -DWIN32_LEAN_AND_MEAN -D_WIN32_WINNT=0x0501 \
    -DWINVER=0x0501 "$work/probe.cpp" 2>"$work/errors"
check "the launcher imports Windows functions ($(wc -l <"$work/imports"))" "[ -s '$work/imports' ]"
check "each is declared at XP SP1's level" "[ ! -s '$work/errors' ]"
grep -o "'::[A-Za-z0-9_]*' has not been declared" "$work/errors" | sed 's/^/  not on XP: /'
checks_done

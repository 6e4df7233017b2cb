#!/usr/bin/env bash
# Two clean builds of the shipped launcher, in two different folders, give the same bytes, and
# the same bytes as the build in build/win32: no time stamps and no build paths in the file.
set -u
source_dir="$1"
shipped="$2"
game="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/check.sh"
for name in first second-build; do
    cmake -S "$source_dir" -B "$work/$name" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
        -DLAUNCHER_TESTS=OFF -DLAUNCHER_GAME="$game" >/dev/null &&
        cmake --build "$work/$name" --target launcher -j2 >/dev/null
done
check "two clean builds are identical" "cmp -s '$work/first/launcher.exe' '$work/second-build/launcher.exe'"
check "and identical to build/win32" "cmp -s '$work/first/launcher.exe' '$shipped'"
checks_done

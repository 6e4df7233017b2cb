#!/usr/bin/env bash
# Lays out build/wine: the Wine that runs both builds of the launcher, 64-bit programs natively
# and the shipped 32-bit one as well. Run by tools/setup.sh after the packages are in; quiet and
# idempotent.
#
# Where the kernel executes i386 code, build/wine/lib/wine/wine64 is the system's loader and
# Wine's own WoW64 does the rest. Some of these machines boot with 32-bit execution switched
# off; there, and wherever WINE_I386=emulated asks for it, the folder is a private copy of
# Wine's layout whose i386 loader runs under user-mode QEMU (build/emulator, from
# tools/wine/fetch-emulator.sh) with tools/wine/trapno_shim.c preloaded. Wine starts every
# 32-bit process by executing `wine` beside its 64-bit loader, so each one goes through the
# emulator.
set -euo pipefail
cd "$(dirname "$0")/../.."

folder="$PWD/build/wine"
bin="$folder/lib/wine"
mode_file="$folder/mode"
system_bin=/usr/lib/wine

native_i386() {
    "$system_bin/wine" --version >/dev/null 2>&1
}

# WINE_I386=emulated takes the emulated route on a machine that could run i386 code natively,
# so that both routes can be proven on any machine.
wanted_mode() {
    case "${WINE_I386:-}" in
    emulated) echo emulated ;;
    "") if native_i386; then echo native; else echo emulated; fi ;;
    *)
        echo "setup: WINE_I386 is '$WINE_I386'; leave it unset, or set it to 'emulated'" >&2
        return 1
        ;;
    esac
}

lay_out_native() {
    mkdir -p "$bin"
    ln -sfn "$system_bin/wine64" "$bin/wine64"
}

build_shim() {
    local object="$folder/trapno_shim.o"
    gcc -m32 -O2 -fPIC -ffreestanding -fno-stack-protector -Wall -Wextra -Werror \
        -c tools/wine/trapno_shim.c -o "$object"
    ld -m elf_i386 -shared -o "$bin/trapno_shim.so" "$object" /lib/i386-linux-gnu/libc.so.6
    rm -f "$object"
}

# Wine finds its libraries and data relative to its own executable, which QEMU reports
# correctly, so the links sit where the system's sit relative to /usr/lib/wine. The loaders are
# copies: a link would resolve to /usr/lib/wine, where `wine` is the unemulated loader.
lay_out_emulated() {
    tools/wine/fetch-emulator.sh
    mkdir -p "$bin" "$folder/share" "$folder/lib/i386-linux-gnu" "$folder/lib/x86_64-linux-gnu"
    cp "$system_bin/wine64" "$bin/wine64"
    cp "$system_bin/wine" "$bin/wine-i386"
    cp build/emulator/usr/bin/qemu-i386 "$bin/qemu-i386"
    ln -sfn "$system_bin/wineserver64" "$bin/wineserver64"
    ln -sfn "$system_bin/wineserver" "$bin/wineserver"
    ln -sfn /usr/lib/i386-linux-gnu/wine "$folder/lib/i386-linux-gnu/wine"
    ln -sfn /usr/lib/x86_64-linux-gnu/wine "$folder/lib/x86_64-linux-gnu/wine"
    ln -sfn /usr/share/wine "$folder/share/wine"
    build_shim
    cat >"$bin/wine" <<'SCRIPT'
#!/bin/sh
# Wine's i386 loader under user-mode QEMU, with the trap numbers Wine's fault handlers need.
here=$(dirname "$0")
exec "$here/qemu-i386" -E LD_PRELOAD="$here/trapno_shim.so" -0 "$0" "$here/wine-i386" "$@"
SCRIPT
    chmod +x "$bin/wine"
}

# Laid out once for each mode; a newer shim source lays it out again.
laid_out() {
    [ "$(cat "$mode_file" 2>/dev/null)" = "$1" ] &&
        [ ! tools/wine/trapno_shim.c -nt "$mode_file" ] &&
        { [ "$1" = native ] || [ -x "$bin/qemu-i386" ]; }
}

mode=$(wanted_mode) || exit 1
laid_out "$mode" && exit 0
rm -rf "$folder"
if [ "$mode" = native ]; then
    lay_out_native
else
    lay_out_emulated
fi
echo "$mode" >"$mode_file"
echo "setup: 32-bit programs run $mode (build/wine)"

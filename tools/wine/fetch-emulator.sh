#!/usr/bin/env bash
# Fetches user-mode QEMU 10 into build/emulator for tools/wine/layout.sh. The release's own
# QEMU (7.2) crashes Wine, so it comes from the backports suite of the archive this machine
# already uses, read through an apt configuration of our own under build/apt: the package is
# downloaded and unpacked, never installed, and the machine's package configuration stays as it
# is. Quiet and idempotent.
set -euo pipefail
cd "$(dirname "$0")/../.."

emulator=build/emulator/usr/bin/qemu-i386
"$emulator" --version 2>/dev/null | grep -qE 'version [1-9][0-9]+\.' && exit 0

codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
apt_dir="$PWD/build/apt"

# "URI [KEYRING]" of the machine's source of the release itself, from its deb822 files or its
# one-line lists.
release_source() {
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v suite="$codename" '
            BEGIN { RS = ""; FS = "\n" }
            {
                types = uris = suites = keys = ""
                for (i = 1; i <= NF; i++) {
                    field = $i
                    if (sub(/^Types:[ \t]*/, "", field)) types = field
                    else if (sub(/^URIs:[ \t]*/, "", field)) uris = field
                    else if (sub(/^Suites:[ \t]*/, "", field)) suites = field
                    else if (sub(/^Signed-By:[ \t]*/, "", field)) keys = field
                }
                if ((" " types " ") ~ / deb / && (" " suites " ") ~ (" " suite " ")) {
                    split(uris, uri, /[ \t]+/)
                    print uri[1], keys
                    exit
                }
            }' "$file"
    done
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        sed -n "s/^deb \(\[[^]]*\] \)\?\([^ ]*\) $codename .*/\2/p"
}

read -r uri keyring < <(release_source) || true
if [ -z "${uri:-}" ]; then
    echo "setup: no source of Debian $codename is configured: cannot fetch its backported QEMU" >&2
    exit 1
fi
options=""
[ -f "${keyring:-}" ] && options="[signed-by=$keyring] "

echo "setup: fetching qemu-user from $codename-backports into build/emulator"
rm -rf "$apt_dir" build/emulator
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/no-other-lists"
echo "deb ${options}$uri $codename-backports main" >"$apt_dir/backports.list"
# apt reads only this list of ours, and keeps its lists and cache beside it.
apt=(apt-get -qq
    -o Dir::Etc::SourceList="$apt_dir/backports.list"
    -o Dir::Etc::SourceParts="$apt_dir/no-other-lists"
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
    -o APT::Architectures="$(dpkg --print-architecture)" -o Acquire::Languages=none
    -o APT::Sandbox::User="$(id -un)")
"${apt[@]}" update
(cd "$apt_dir" && "${apt[@]}" download "qemu-user/$codename-backports")
# Of the package's emulators only the i386 one is needed; it is linked statically.
mkdir -p build/emulator
dpkg-deb --fsys-tarfile "$apt_dir"/qemu-user_*.deb | tar -x -C build/emulator ./usr/bin/qemu-i386
rm -f "$apt_dir"/qemu-user_*.deb
"$emulator" --version >/dev/null

#!/usr/bin/env bash
# Installs what building, running and testing the launcher need on a Debian 12 machine.
# Idempotent and silent when everything is already there, so every make target can call it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    wine wine32:i386 wine64 fonts-wine
    g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    cmake make googletest osslsigncode openssl
    xvfb xdotool imagemagick openbox
    python3 python3-pil python3-fonttools libraqm0 libfreetype6 fonts-dejavu-core fonts-noto-cjk
    poppler-utils python3-fusepy libqoi-dev qoi
    xorriso locales cppcheck gcc
)

# Locales the tests start the launcher in; Wine silently falls back to en-US for any locale the
# host has not generated.
locales=(en_US en_GB de_DE de_AT fr_FR fr_CA fr_BE es_ES it_IT nl_NL pt_BR pl_PL ru_RU fil_PH ja_JP zh_CN)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
    local wanted=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || wanted+=("$p")
    done
    printf '%s\n' "${wanted[@]}"
}

# The archive can be caught mid-sync: one index of a suite then fails to download ("File has
# unexpected size"), while the others are whole. apt retries it; if it still fails, the packages
# are installed without that suite (pinned below every other for this install alone, so that
# the two architectures of a package keep one version), and set-up says which index it skipped.
update_indices() {
    local attempt
    for attempt in 1 2 3; do
        as_root apt-get update -qq -o Acquire::Retries=3 2>"$apt_log" && return 0
        sleep "$attempt"
    done
    return 1
}

# The suites whose indices could not be fetched, one a line.
failed_suites() {
    sed -n 's|^E: Failed to fetch .*/dists/\([^/]*\)/.*|\1|p' "$apt_log" | sort -u
}

install_packages() {
    local wanted
    mapfile -t wanted < <(missing_packages)
    [ "${#wanted[@]}" -eq 0 ] || [ -z "${wanted[0]}" ] && return 0
    echo "setup: installing ${wanted[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    apt_log=$(mktemp)
    trap 'rm -f "$apt_log"' EXIT
    local pins=() skipped=() suite
    if ! update_indices; then
        mapfile -t skipped < <(failed_suites)
        [ "${#skipped[@]}" -gt 0 ] || { cat "$apt_log" >&2; exit 1; }
        mkdir -p build/apt
        for suite in "${skipped[@]}"; do
            printf 'Package: *\nPin: release n=%s\nPin-Priority: 100\n\n' "$suite"
        done >build/apt/skipped-suites.pref
        pins=(-o Dir::Etc::Preferences="$PWD/build/apt/skipped-suites.pref")
    fi
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get "${pins[@]}" install -y -qq \
        --no-install-recommends "${wanted[@]}" >/dev/null; then
        [ "${#skipped[@]}" -eq 0 ] || echo "setup: the index of ${skipped[*]} failed to download" \
            "(the archive may be mid-sync: $(grep -m1 -o 'Failed to fetch [^ ]*' "$apt_log"));" \
            "run make test again later" >&2
        exit 1
    fi
    [ "${#skipped[@]}" -eq 0 ] || echo "setup: skipped the index of ${skipped[*]}, which failed" \
        "to download (the archive may be mid-sync); installed from the others"
}

generate_locales() {
    local have
    have=$(locale -a 2>/dev/null)
    for l in "${locales[@]}"; do
        grep -qix "${l}.utf-\?8" <<<"$have" && continue
        echo "setup: generating locale ${l}.UTF-8"
        as_root localedef -i "$l" -f UTF-8 "${l}.UTF-8"
    done
}

install_packages
generate_locales
tools/wine/layout.sh

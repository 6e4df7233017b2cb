#!/usr/bin/env bash
# Lays out a disc folder from one build: the launcher and autorun.inf at the root, the demo
# setup and its payload, the manuals and guides, and a reader-installer stand-in.
#
#   tools/make_disc.sh FOLDER BUILD      e.g. build/disc build/win64
set -euo pipefail
cd "$(dirname "$0")/.."
disc="$1"
build="$2"

rm -rf "$disc"
mkdir -p "$disc/payload/bin" "$disc/support/adobe"
cp "$build/launcher.exe" "$disc/launcher.exe"
cp "$build/demo/setup.exe" "$disc/setup.exe"
cp "$build/demo/Tarvok2.exe" "$disc/payload/bin/Tarvok2.exe"
cp "$build/demo/AdbeRdr934_en_US.exe" "$disc/support/adobe/AdbeRdr934_en_US.exe"
/usr/bin/python3 tools/make_documents.py "$disc/support"
printf '[autorun]\r\nopen=launcher.exe\r\nicon=launcher.exe,0\r\nlabel=Zentrava: Kelvane 2\r\n' \
    >"$disc/autorun.inf"

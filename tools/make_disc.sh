#!/usr/bin/env bash
# Lays out a disc folder: the shipped launcher at its root and the disc's folders.
set -euo pipefail
cd "$(dirname "$0")/.."
disc="${1:-build/disc}"
mkdir -p "$disc/support/adobe" "$disc/bin"
cp build/win32/launcher.exe "$disc/launcher.exe"

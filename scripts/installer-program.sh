#!/usr/bin/env bash
# Installs data/Program into the root's Program folder: creates it when missing,
# refreshes the delivered files, never deletes what the user made there.
set -euo pipefail
cd "$(dirname "$0")/.."
root="${DAGBOG_ROOT:-$HOME/Dagbogsmappe}"
mkdir -p "$root/Program"
cp -R data/Program/. "$root/Program/"

#!/usr/bin/env bash
# Installs data/Program into the root's Program folder by the program's own
# rule: creates it when missing, replaces only delivered files the user has not
# changed (the changed ones stay; the new ones go to Program/Nye udgaver), and
# never deletes anything. Needs the built program (run.sh builds it first).
set -euo pipefail
cd "$(dirname "$0")/.."
program="${DAGBOG_PROGRAM:-build/dagbog}"
if [ ! -x "$program" ]; then
  echo "installer-program.sh: $program mangler; byg programmet først (./run.sh)." >&2
  exit 1
fi
QT_QPA_PLATFORM=offscreen "$program" --opdater-programmappe "$PWD/data/Program"

#!/usr/bin/env bash
# Installs what is missing, builds, installs the program folder and starts Dagbog.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target dagbog
./scripts/installer-program.sh
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec ./build/dagbog "$@"

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
#   --sanitize  builds into build-sanitize/ with AddressSanitizer and
#               UndefinedBehaviorSanitizer and runs the tests there
#   --engine    runs only the engine tests (core, platform, controls, tags)
set -euo pipefail
cd "$(dirname "$0")"
build=build
targets=()
cmake_args=()
ctest_args=()
for arg in "$@"; do
  case "$arg" in
    --sanitize) build=build-sanitize; cmake_args+=(-DDAGBOG_SANITIZE=ON) ;;
    --engine) targets=(--target engine_tests); ctest_args+=(-L engine) ;;
    *) echo "usage: $0 [--sanitize] [--engine]" >&2; exit 2 ;;
  esac
done
./scripts/deps.sh
# The reference generator's checks run when node is there; its packages come
# from the lock file.
if command -v npm >/dev/null && [ ! -d tools/node_modules ]; then
  (cd tools && npm ci --no-audit --no-fund --loglevel=error)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${cmake_args[@]+"${cmake_args[@]}"} >/dev/null
cmake --build "$build" ${targets[@]+"${targets[@]}"}
export QT_QPA_PLATFORM=offscreen
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --disable-background-networking --disable-component-update}"
cd "$build"
ctest --output-on-failure -j2 ${ctest_args[@]+"${ctest_args[@]}"}

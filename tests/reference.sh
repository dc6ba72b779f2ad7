#!/bin/sh
# The reference generator's checks (every example of every reference page).
# Exit 77 tells ctest the test was skipped, with the reason on stdout.
cd "$1" || exit 1
if ! command -v node >/dev/null 2>&1; then
  echo "skipped: node is not installed"
  exit 77
fi
if ! node -e 'process.exit(Number(process.versions.node.split(".")[0]) >= 20 ? 0 : 1)'; then
  echo "skipped: node $(node --version) is older than 20"
  exit 77
fi
if [ ! -d node_modules ]; then
  echo "skipped: tools/node_modules is missing; run npm ci in tools/"
  exit 77
fi
exec node --test reference/

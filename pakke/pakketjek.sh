#!/usr/bin/env bash
# Checks the Debian package as Debian's own tools do: lintian on the built
# .deb, the AppStream file, the desktop entry and the manual page.
#   pakketjek.sh BUILD-DIR
# Exit 77 (skipped) when a tool is missing.
set -euo pipefail
build=$1
for v in cpack lintian appstreamcli desktop-file-validate man; do
  if ! command -v "$v" >/dev/null; then
    echo "Springes over: $v mangler (scripts/deps.sh installerer det)"
    exit 77
  fi
done
ud=$(mktemp -d)
trap 'rm -rf "$ud"' EXIT

(cd "$build" && cpack -G DEB -B "$ud" >"$ud/cpack.log") || { cat "$ud/cpack.log"; exit 1; }
deb=$(ls "$ud"/*.deb)
dpkg-deb -x "$deb" "$ud/rod"

# Overridden findings show as O: lines, with their reasons; any E: or W: fails.
lintian --show-overrides "$deb" >"$ud/lintian.log" 2>&1 || true
grep -E '^[EWO]:' "$ud/lintian.log" || true
if grep -qE '^[EW]:' "$ud/lintian.log" || ! grep -q '^O:' "$ud/lintian.log"; then
  cat "$ud/lintian.log"
  exit 1
fi
appstreamcli validate --no-net "$ud"/rod/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$ud"/rod/usr/share/applications/*.desktop
fejl=$(man --warnings -E UTF-8 -l "$ud/rod/usr/share/man/man1/dagbog.1.gz" 2>&1 >/dev/null)
[ -z "$fejl" ] || { echo "$fejl"; exit 1; }
echo "Pakken er i orden: $(basename "$deb")"

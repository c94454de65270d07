#!/usr/bin/env bash
# Builds the Debian package in a build folder that is already built (default
# build/ci) and checks it: desktop-file-validate on its desktop entry,
# appstreamcli validate --no-net on its metainfo, and lintian, which must
# report no errors (its warnings are printed). The packages it needs come with
# LUMENA_PACKAGE_TOOLS=1 scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}

rm -f "$build"/lumena_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
debs=("$build"/lumena_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "check-package: cpack made no package" >&2; exit 1; }
echo "$deb: $(du -h "$deb" | cut -f1)"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
# lintian warns when run as root (as CI runs); that line says nothing about
# the package.
lintian --fail-on error "$deb" 2> >(grep -v '^running with root privileges' >&2)
echo "check-package: $(basename "$deb") passes"

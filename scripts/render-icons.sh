#!/usr/bin/env bash
# Renders the icon drawing packaging/icons/lumena.svg into the PNG sizes that
# are installed into the hicolor theme (packaging/icons/lumena-<size>.png).
# Run it after changing the drawing and commit the PNGs with it; building does
# not need it. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
if ! command -v rsvg-convert >/dev/null; then
  echo "render-icons.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
  exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" lumena.svg --output "lumena-$size.png"
done
ls -l lumena-*.png

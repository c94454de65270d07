#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Lumena need.
# Packages already present are skipped; nothing is installed when all are there.
set -euo pipefail

packages=(
  # toolchain
  cmake ninja-build g++ pkg-config ccache clang-format libbenchmark-dev
  # the sanitizer build and the fuzz targets: clang, its sanitizer and
  # libFuzzer runtimes, llvm-symbolizer for their reports
  clang libclang-rt-dev llvm
  # Qt 6 widgets (libgl-dev: Qt's CMake package looks for OpenGL headers;
  # qt6-base-private-dev: the window-system queue that tst_system_host uses)
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-base-private-dev
  # Qt's own texts in Japanese (the buttons and labels of the standard dialogs)
  qt6-translations-l10n
  # dot-matrix faces and fallback fonts
  libfreetype-dev xfonts-shinonome fonts-ipafont-gothic fonts-ipafont-mincho
  # sound and speech
  libsdl2-mixer-dev timgm6mb-soundfont libespeak-ng-dev espeak-ng-data
  libmecab-dev mecab-ipadic-utf8
  # ticket bar codes, and reading them back in the tests
  libzint-dev libzbar-dev
  # GTFS feeds: zip archives and CSV
  libzip-dev libcsv-dev
)
# Only for looking at the running simulator without a display:
#   LUMENA_SCREENSHOT_TOOLS=1 scripts/install-deps.sh
if [ "${LUMENA_SCREENSHOT_TOOLS:-0}" = 1 ]; then
  packages+=(xvfb xdotool imagemagick)
fi
# Only for building and checking the Debian package (scripts/check-package.sh):
if [ "${LUMENA_PACKAGE_TOOLS:-0}" = 1 ]; then
  packages+=(dpkg-dev file desktop-file-utils appstream lintian)
fi
# Only for measuring line coverage (scripts/coverage.sh):
if [ "${LUMENA_COVERAGE_TOOLS:-0}" = 1 ]; then
  packages+=(gcovr)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

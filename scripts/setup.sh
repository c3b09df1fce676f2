#!/usr/bin/env bash
# Installs the Debian packages frostdil needs to build, run and test. Quiet and quick when all is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build
  qt6-base-dev qt6-svg-dev libqt6svg6   # Widgets, PrintSupport, Svg, Test
  qt6-translations-l10n                 # the platform dialogs in the user's language
  libjpeg62-turbo                       # JPEG pictures in the save dialog's preview (Qt's jpeg plugin)
  fonts-liberation                      # the windows' sans-serif face and the chart's Arial-like title
  xvfb xauth                            # screenshots and runs without a display
  clang libclang-rt-14-dev ccache       # the sanitizer build of the test command, and the fuzzers
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

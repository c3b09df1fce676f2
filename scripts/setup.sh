#!/usr/bin/env bash
# Installs the Debian packages frostdil needs to build, run and test, and generates the users' locale.
# Quiet and quick when all is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build
  qt6-base-dev qt6-svg-dev libqt6svg6   # Widgets, PrintSupport, Svg, Test
  qt6-translations-l10n                 # the platform dialogs in the user's language
  libjpeg62-turbo                       # JPEG pictures in the save dialog's preview (Qt's jpeg plugin)
  fonts-liberation                      # the windows' sans-serif face and the chart's Arial-like title
  libfontconfig-dev                     # the font configuration read on a second core at start
  xvfb xauth                            # screenshots and runs without a display
  dpkg-dev desktop-file-utils groff-base xdotool x11-utils  # the Debian packages and their test
  libcups2-dev                          # print jobs handed to CUPS and followed until printed
  cups printer-driver-cups-pdf          # the tests' private print system (scripts/with-cups.sh)
  poppler-utils                         # the tests read printed and saved PDFs back
  locales                               # the users' ru_RU.UTF-8, in which the suite runs a second time
  python3 python3-numpy time            # the CSV read back in the tests; scripts/bench.sh and its Python peer
  clang libclang-rt-14-dev ccache       # the sanitizer build of the test command, and the fuzzers
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# locale-gen builds every locale enabled in /etc/locale.gen, so ru_RU.UTF-8 is enabled there and
# survives later runs of it.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
  echo "Generating the ru_RU.UTF-8 locale"
  if grep -q '^# *ru_RU\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *\(ru_RU\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^ru_RU\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ru_RU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
fi

#!/usr/bin/env bash
# Tests the installable program: builds the Debian packages, checks what they declare and hold, unpacks
# them into a scratch root and starts the unpacked launcher on a virtual X server as the menu entry
# would. A new laboratory folder must be prepared and the main window come up in it; a second start
# must leave the user's files alone.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "package test: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
xserver=""
program=""
cleanup() {
  for pid in $program $xserver; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

scripts/package.sh >"$scratch/built" 2>&1 || { cat "$scratch/built" >&2; fail "the packages could not be built"; }
program_deb=$(grep '/frostdil_[^/]*_amd64\.deb$' "$scratch/built") || fail "no frostdil_*_amd64.deb"
simulator_deb=$(grep '/frostdil-simulator_[^/]*_amd64\.deb$' "$scratch/built") ||
  fail "no frostdil-simulator_*_amd64.deb"

# --- What the packages declare.
field() { dpkg-deb --field "$1" "$2"; }
[ "$(field "$program_deb" Package)" = frostdil ] || fail "the program's package is not named frostdil"
[ "$(field "$simulator_deb" Package)" = frostdil-simulator ] || fail "the simulator's package is misnamed"
for deb in "$program_deb" "$simulator_deb"; do
  [ "$(field "$deb" Section)" = science ] || fail "$deb: section is not science"
  [ "$(field "$deb" Architecture)" = amd64 ] || fail "$deb: architecture is not amd64"
  [ "$(field "$deb" Version)" = "$(basename "$deb" | cut -d_ -f2)" ] || fail "$deb: version and file name differ"
  field "$deb" Depends | grep -q 'libqt6core6' || fail "$deb: Depends lacks the Qt libraries: $(field "$deb" Depends)"
done
for library in libqt6widgets6 libqt6printsupport6 libqt6svg6 libcups2 fonts-liberation qt6-translations-l10n; do
  field "$program_deb" Depends | grep -q "$library" || fail "frostdil does not depend on $library"
done
description=$(field "$program_deb" Description)
grep -q 'frost-resistance' <<<"$description" || fail "no English description"
grep -q 'морозостойкость' <<<"$description" || fail "no Russian description"
dpkg-deb --info "$program_deb" >/dev/null || fail "dpkg-deb cannot read $program_deb"
# apt finds everything the packages depend on (what the test command installs is all they need).
apt_plan=$(apt-get install --simulate --reinstall "$PWD/$program_deb" "$PWD/$simulator_deb" 2>&1) ||
  fail "apt cannot install the packages: $apt_plan"
grep -q '^Inst frostdil ' <<<"$apt_plan" && grep -q '^Inst frostdil-simulator ' <<<"$apt_plan" ||
  fail "apt would not install both packages: $apt_plan"

# --- What they hold: exactly these files; the simulator only in its own package.
files() { dpkg-deb --contents "$1" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort; }
expected_program="./usr/bin/cellexport
./usr/bin/frostdil
./usr/lib/frostdil/frostdil
./usr/lib/frostdil/prepare-laboratory
./usr/share/applications/frostdil.desktop
./usr/share/frostdil/N.ns
./usr/share/frostdil/help_zolt.rtf
./usr/share/icons/hicolor/48x48/apps/frostdil.png
./usr/share/icons/hicolor/scalable/apps/frostdil.svg
./usr/share/man/man1/cellexport.1.gz
./usr/share/man/man1/frostdil.1.gz"
[ "$(files "$program_deb")" = "$expected_program" ] ||
  fail "frostdil holds other files than expected:"$'\n'"$(diff <(echo "$expected_program") <(files "$program_deb"))"
[ "$(files "$simulator_deb")" = "./usr/lib/frostdil/zolt.exe" ] ||
  fail "frostdil-simulator holds other files than zolt.exe: $(files "$simulator_deb")"

# --- Unpacked, as dpkg would install them.
root="$scratch/root"
dpkg-deb -x "$program_deb" "$root"
dpkg-deb -x "$simulator_deb" "$root"
for program in usr/bin/frostdil usr/bin/cellexport usr/lib/frostdil/frostdil usr/lib/frostdil/prepare-laboratory \
  usr/lib/frostdil/zolt.exe; do
  [ -x "$root/$program" ] || fail "$program is not executable"
done
validation=$(desktop-file-validate "$root/usr/share/applications/frostdil.desktop" 2>&1) ||
  fail "the desktop entry is not valid: $validation"
! grep -qE '(error|warning):' <<<"$validation" || fail "the desktop entry draws complaints: $validation"
# A PNG's header holds width and height as 32-bit numbers from byte 16 on.
[ "$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/48x48/apps/frostdil.png" | tr -s ' ')" = " 0 0 0 48 0 0 0 48" ] ||
  fail "the 48 px icon is not 48 × 48"
man_warnings=$(zcat "$root/usr/share/man/man1/frostdil.1.gz" | preconv | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$man_warnings" ] || fail "frostdil(1) draws warnings: $man_warnings"
zcat "$root/usr/share/man/man1/frostdil.1.gz" | grep -q 'cellexport' || fail "frostdil(1) does not cover cellexport"
zcat "$root/usr/share/man/man1/frostdil.1.gz" | grep -q 'FROSTDIL_LAB' || fail "frostdil(1) lacks the folder rule"

# The unpacked tools work: the simulator writes a test, cellexport reads it.
"$root/usr/lib/frostdil/zolt.exe" --archive "$scratch/archive" >/dev/null || fail "the unpacked zolt.exe fails"
"$root/usr/bin/cellexport" "$scratch/archive/test_0001.cell" | grep -q '"tests"' ||
  fail "the unpacked cellexport cannot read the simulator's test"

# --- The launcher, started as the menu entry starts it, on a virtual X server.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$scratch/display")"
unset QT_QPA_PLATFORM

# Starts the unpacked launcher with the given environment settings, waits for the main window, checks
# that the program runs in `folder` with the window's caption and icon, and ends it.
start_program() {
  local folder=$1
  shift
  env "$@" "$root/usr/bin/frostdil" >"$scratch/program.log" 2>&1 &
  program=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program" 2>/dev/null | head -n 1) ||
    fail "no window came up; the program said: $(cat "$scratch/program.log")"
  xdotool getwindowname "$window" | grep -q 'морозостойкости' || fail "the window that came up is not the main window"
  xprop -id "$window" _NET_WM_ICON >"$scratch/icon" || true
  grep -q 'Icon (' "$scratch/icon" || fail "the main window carries no icon"
  [ "$(readlink "/proc/$program/cwd")" = "$(readlink -f "$folder")" ] || fail "the program does not run in $folder"
  kill "$program"
  wait "$program" || true
  program=""
}

# The laboratory folder is a new folder, with a blank and Cyrillic in its name.
lab="$scratch/Лаборатория 1"
start_program "$lab" FROSTDIL_LAB="$lab"
[ -d "$lab/Archive" ] || fail "Archive/ was not created"
cmp -s "$lab/Temp/N.ns" "$root/usr/share/frostdil/N.ns" || fail "Temp/N.ns was not copied"
cmp -s "$lab/help_zolt.rtf" "$root/usr/share/frostdil/help_zolt.rtf" || fail "help_zolt.rtf was not copied"

# The user's changed signature lines, and a help file that is a link to nowhere, stay as they are.
printf 'Заведующий лабораторией\r\n' | iconv -f UTF-8 -t WINDOWS-1251 >"$lab/Temp/N.ns"
cp "$lab/Temp/N.ns" "$scratch/changed.ns"
rm "$lab/help_zolt.rtf"
ln -s "$scratch/nowhere.rtf" "$lab/help_zolt.rtf"
start_program "$lab" FROSTDIL_LAB="$lab"
cmp -s "$lab/Temp/N.ns" "$scratch/changed.ns" || fail "a second start replaced the changed Temp/N.ns"
[ -L "$lab/help_zolt.rtf" ] && [ ! -e "$scratch/nowhere.rtf" ] || fail "a second start wrote through help_zolt.rtf"

# Without FROSTDIL_LAB the folder is ~/frostdil-laboratory.
mkdir "$scratch/home"
start_program "$scratch/home/frostdil-laboratory" -u FROSTDIL_LAB HOME="$scratch/home"
[ -s "$scratch/home/frostdil-laboratory/Temp/N.ns" ] || fail "~/frostdil-laboratory was not prepared"

# A folder that cannot be prepared is reported and the program is not started.
touch "$scratch/a-file"
if message=$(FROSTDIL_LAB="$scratch/a-file" timeout 30 "$root/usr/bin/frostdil" 2>&1); then
  fail "the launcher started in a file"
fi
grep -q 'cannot be prepared' <<<"$message" || fail "the launcher's refusal names no reason: $message"

echo "package test: $(basename "$program_deb") and $(basename "$simulator_deb") install and start"

#!/bin/sh
# Makes FOLDER a laboratory folder as frostdil expects it: Archive/ for the tests, Temp/N.ns with the
# signature lines of the journal entry and help_zolt.rtf, the two files copied from SOURCE. Whatever is
# already there stays as it is: an existing name, even a dangling link, is never written to.
# Usage: prepare-laboratory FOLDER SOURCE
set -eu
folder=$1
source=$2

provide() {
  [ -e "$2" ] || [ -L "$2" ] || cp -- "$1" "$2"
}

mkdir -p -- "$folder/Archive" "$folder/Temp"
provide "$source/N.ns" "$folder/Temp/N.ns"
provide "$source/help_zolt.rtf" "$folder/help_zolt.rtf"

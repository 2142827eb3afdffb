#!/bin/sh
# Remakes the fuzz target's seed archives with the archive tool on a
# throw-away machine: usage  make_seeds.sh BUILD_DIR
set -eu
tool="$1/setup/archive/tool/quillery-archive"
seeds="$(cd "$(dirname "$0")" && pwd)/seeds"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QUILLERY_MACHINE="$work/machine"
"$tool" list "$work/none" 2>/dev/null || true  # creates the machine
src="$QUILLERY_MACHINE/drive_c/src"
mkdir -p "$src"
printf 'Help topics, jumps and popups.\r\n%.0s' 1 2 3 4 5 6 7 8 > "$src/a.txt"
head -c 3000 /dev/zero > "$src/zeros.bin"
: > "$src/empty.dat"

printf '\0\0\0\0\0' > "$seeds/empty-archive.1"
"$tool" add 'C:\s\text.1' 'C:\src\a.txt' --level max
"$tool" add 'C:\s\two.1' 'C:\src\a.txt' 'C:\src\zeros.bin' --level fastest --id 7
"$tool" add 'C:\s\two.1' 'C:\src\empty.dat' --append --level none --id 1999
mkdir -p "$QUILLERY_MACHINE/drive_c/s/vol"
"$tool" span 'C:\s\two.1' 'C:\s\vol' 'files.1'
for name in text.1 two.1; do cp "$QUILLERY_MACHINE/drive_c/s/$name" "$seeds/$name"; done
cp "$QUILLERY_MACHINE/drive_c/s/vol/files.1" "$seeds/spanned.1"

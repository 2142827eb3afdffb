#!/bin/sh
# Remakes the fuzz target's seeds: the PE fixtures, and a small ELF object
# carrying a block our writer makes in the section our programs use.
#   usage  make_seeds.sh BUILD_DIR
set -eu
tool="$1/platform/win32/version/tools/quillery_version_block"
here="$(cd "$(dirname "$0")" && pwd)"
seeds="$here/seeds"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for name in quill64.exe driver32.exe noversion.exe nores.exe; do
  cp "$here/../fixtures/$name" "$seeds/$name"
done

cat > "$work/version.txt" <<'TEXT'
file-version 1.0.0.23
product-version 1.0.2.0
file-flags 0
file-type 1
table 040904E4
string CompanyName=TARN
string FileVersion=1.0.0.23
translation 0409 04E4
TEXT
"$tool" "$work/version.txt" "$work/version.bin"
cc -c -x c /dev/null -o "$work/empty.o"
objcopy --add-section .qversion="$work/version.bin" --set-section-flags .qversion=alloc,readonly \
  "$work/empty.o" "$seeds/writer-block.o"

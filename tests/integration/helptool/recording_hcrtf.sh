#!/bin/sh
# A help compiler that only records how it was started: one "[argument]"
# line per argument, into the folder of the machine it runs on, written
# whole under another name and then renamed, so that a reader never sees
# half of it.
record="$QUILLERY_MACHINE/compiler-arguments.txt"
for argument in "$@"; do printf '[%s]\n' "$argument"; done > "$record.new"
mv "$record.new" "$record"

#!/bin/sh
# Writes the stub file: the plain stub, the rich stub and their two icon
# tables, each part followed by a marker of twenty 0xAB bytes.
#   make_stub_file.sh PLAIN_EXE RICH_EXE PLAIN_ICO RICH_ICO OUTPUT
set -e
out="$5"
mkdir -p "$(dirname "$out")"
: > "$out.tmp"
for part in "$1" "$2" "$3" "$4"; do
  cat "$part" >> "$out.tmp"
  printf '\253\253\253\253\253\253\253\253\253\253\253\253\253\253\253\253\253\253\253\253' >> "$out.tmp"
done
mv "$out.tmp" "$out"

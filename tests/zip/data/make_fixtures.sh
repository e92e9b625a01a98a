#!/usr/bin/env bash
# Remakes the archives in this folder with the machine's jar and zip tools and
# their expected listings. The listings are unzip's own (`unzip -Z1`), except
# for jar_utf8.jar: this unzip reads names flagged as UTF-8 as OEM text, so
# that listing is the jar tool's own (`jar tf`).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p tree/com/example/util tree/empty tree/docs utf8/docs
echo class >tree/com/example/Main.class
echo x >tree/com/example/util/Helper.class
echo readme >tree/README.txt
echo r >"tree/docs/résumé.txt"
echo m >utf8/Main.class
echo r >"utf8/docs/résumé.txt"
(cd tree && jar cf "$work/jar_tool.jar" com README.txt empty)
(cd tree && zip -qr "$work/zip_unix.zip" com docs README.txt empty)
(cd tree && zip -qrk "$work/zip_dos.zip" com README.txt empty)
(cd utf8 && jar cf "$work/jar_utf8.jar" Main.class docs)
# A program stub of 1000 bytes in front, offsets left as zip wrote them.
{ printf 'MZ'; head -c 998 /dev/zero; cat zip_dos.zip; } >zip_stub.zip
for f in jar_tool.jar zip_unix.zip zip_dos.zip zip_stub.zip; do
  cp "$f" "$here/$f"
  unzip -Z1 "$f" >"$here/$f.txt"
done
cp jar_utf8.jar "$here/jar_utf8.jar"
jar tf jar_utf8.jar >"$here/jar_utf8.jar.txt"

#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian machine.
# Quick when everything is already there.
set -euo pipefail

packages=(wine wine32:i386 wine64 wine64-tools g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64-dev
          zlib1g-dev xvfb xauth cmake googletest g++ make unzip zip)
packages+=(libwine-dev)  # oaidl.idl, which widl needs for the Pivrellon type library
packages+=(fonts-comic-neue)  # stands in for Comic Sans MS, the About box's title face, under Wine

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ! command -v javac >/dev/null 2>&1 || ! command -v jar >/dev/null 2>&1; then
  missing+=(openjdk-17-jdk-headless)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian machine.
# Quick when everything is already there.
set -euo pipefail

packages=(wine wine32:i386 wine64 wine64-tools g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64-dev
          zlib1g-dev xvfb xauth x11-utils cmake googletest g++ make unzip zip)
packages+=(libwine-dev)  # oaidl.idl, which widl needs for the Pivrellon type library
packages+=(fonts-comic-neue)  # stands in for Comic Sans MS, the About box's title face, under Wine

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ! command -v javac >/dev/null 2>&1 || ! command -v jar >/dev/null 2>&1; then
  missing+=(openjdk-17-jdk-headless)
fi
# Wine runs under en_US.UTF-8 (scripts/wine-session.sh): Wine takes code page
# 1252 from its name, the JDK's tools need it installed to take UTF-8 text.
need_locale=0
locale -a 2>/dev/null | grep -qix 'en_us\.utf-\?8' || need_locale=1
if [ "$need_locale" = 1 ] && ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed"; then
  missing+=(locales)
fi
[ ${#missing[@]} -eq 0 ] && [ "$need_locale" = 0 ] && exit 0

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "$need_locale" = 1 ]; then
  echo "generating the en_US.UTF-8 locale"
  [ ! -f /etc/locale.gen ] || sed -i 's/^# *\(en_US\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^en_US\.UTF-8 UTF-8' /etc/locale.gen || echo 'en_US.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi

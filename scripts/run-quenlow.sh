#!/usr/bin/env bash
# Shows the suite at work under Wine, with the machine's JDK reached through
# the JDK bridge and the sample Java project of tests/e2e/sample.
# Until the main program's dialog lands, it shows what the suite has: the
# sample application built into a Windows executable from the launcher stub,
# run as a user would run it, then with the streams switch the main program
# uses for its test runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh
mkdir -p build
cmake -S . -B build/win64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake >/dev/null
cmake --build build/win64 -j "$(nproc)"

source scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$root/build/wineprefix"
bash tests/e2e/jdk_bridge/install-bridge.sh build/win64/tests/e2e/jdk_bridge

# The executable: stub, trailer (java, no archive detection, empty class
# paths, the main class and its arguments), then the jar.
demo="$WINEPREFIX/drive_c/demo"
mkdir -p "$demo"
{
  cat build/win64/quenlow/stub/stub_plain.exe
  printf '\253\253\253\253\253\253\253\253\253\253\000\000\000\245\245\245\245\245'
  printf 'demo.Main from the demo'
  printf '\273\273\273\273\273\273\273\273\273\273'
  cat build/win64/tests/e2e/sample.jar
} > "$demo/Demo.exe"

echo "== C:\\demo\\Demo.exe"
in_wine_locale "$WINELOADER" 'C:\demo\Demo.exe' </dev/null
echo "== C:\\demo\\Demo.exe /streams, stopped with Terminate"
{ sleep 5; printf 'Terminate\r\n'; } | in_wine_locale "$WINELOADER" 'C:\demo\Demo.exe' /streams || true

#!/usr/bin/env bash
# Runs what the suite has so far under Wine, in the project's own prefix.
# Until the main program lands, that is the Windows build of the foundation
# with its tests, shown in full.
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
for t in build/win64/tests/foundation/*.exe; do
  in_wine_locale "$WINELOADER" "$t"
done

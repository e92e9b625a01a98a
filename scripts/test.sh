#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs all tests.
#   native: the byte-level code with AddressSanitizer and UBSan;
#   win32:  the deliverables as 32-bit programs (i686);
#   win64:  the same sources as 64-bit programs, whose tests run under wine64.
# The win32 tests run too where this machine's kernel executes 32-bit code.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs=$(nproc)

bash scripts/install-deps.sh

configure() {  # build folder, extra cmake arguments
  local dir="$1"; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >"$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; exit 1; }
}
mkdir -p build
configure build/native -DCMAKE_BUILD_TYPE=Debug
configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake
configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake
for dir in build/native build/win32 build/win64; do
  echo "== building $dir"
  cmake --build "$dir" -j "$jobs"
done

echo "== native tests (ASan, UBSan)"
ctest --test-dir build/native --output-on-failure -j "$jobs"

source scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$root/build/wineprefix"

status=0
echo "== Windows tests under wine64"
in_wine_locale ctest --test-dir build/win64 --output-on-failure -j 4 || status=1
if /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
  echo "== 32-bit Windows tests under wine"
  in_wine_locale ctest --test-dir build/win32 --output-on-failure -j 4 || status=1
else
  echo "== 32-bit tests skipped: this kernel does not execute 32-bit code"
fi
exit $status

#!/usr/bin/env bash
# Quenlow under Wine with the sample Java project of tests/e2e/sample, the
# machine's JDK reached through the JDK bridge.
#   With a display (DISPLAY set): the main dialog opens with the sample's
#   main class ready; press Run and watch its output in the pane.
#   Without one: the script presses Run itself on a virtual display, prints
#   what the pane shows and saves a screenshot of the dialog
#   (build/quenlow-demo.bmp, and .png where ImageMagick is installed).
# Then it builds the sample into a Windows executable from the launcher stub
# and runs that, as a user would and as the main program's test runs do.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
interactive="${DISPLAY:-}"

bash scripts/install-deps.sh
mkdir -p build
cmake -S . -B build/win64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake >/dev/null
cmake --build build/win64 -j "$(nproc)"

source scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$root/build/wineprefix"
bash tests/e2e/jdk_bridge/install-bridge.sh build/win64/tests/e2e/jdk_bridge

windows() {  # a Unix path as Wine's Z: drive sees it
  printf 'Z:%s' "$1" | tr '/' '\\'
}
quenlow="$(windows "$root/build/win64/quenlow-install/Quenlow.exe")"
main_class="$(windows "$root/build/win64/tests/e2e/sample-classes/demo/Main.class")"
driver=build/win64/tests/e2e/support/demo/demo_driver.exe

echo "== Quenlow"
if [ -n "$interactive" ]; then
  in_wine_locale "$WINELOADER" "$driver" "$quenlow" "$main_class"
else
  shot="$root/build/quenlow-demo.bmp"
  in_wine_locale "$WINELOADER" "$driver" "$quenlow" "$main_class" --run "$(windows "$shot")"
  if command -v convert >/dev/null 2>&1 && convert "$shot" "${shot%.bmp}.png" 2>/dev/null; then
    echo "screenshot: ${shot%.bmp}.png"
  fi
fi

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

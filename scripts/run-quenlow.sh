#!/usr/bin/env bash
# Quenlow under Wine with the sample Java project of tests/e2e/sample, the
# machine's JDK reached through the JDK bridge.
#   With a display (DISPLAY set): the main dialog opens with the sample's
#   main class and C:\demo\Demo.exe ready; press Run and watch its output
#   in the pane, press Create to build the executable.
#   Without one: the script presses Run and then Create itself on a virtual
#   display, prints what the pane and the creating information show and
#   saves a screenshot of the dialog (build/quenlow-demo.bmp, and .png where
#   ImageMagick is installed).
# Then it runs the built executable, as a user would and as the main
# program's test runs do. Every run starts from the same settings.
set -euo pipefail
trap 'echo "run-quenlow.sh: failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
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

demo="$WINEPREFIX/drive_c/demo"
mkdir -p "$demo"
rm -f "$demo/Demo.exe"
exe='C:\demo\Demo.exe'

echo "== Quenlow"
if [ -n "$interactive" ]; then
  in_wine_locale "$WINELOADER" "$driver" "$quenlow" "$main_class" "$exe"
else
  shot="$root/build/quenlow-demo.bmp"
  in_wine_locale "$WINELOADER" "$driver" "$quenlow" "$main_class" "$exe" --run "$(windows "$shot")"
  if command -v convert >/dev/null 2>&1 && convert "$shot" "${shot%.bmp}.png" 2>/dev/null; then
    echo "screenshot: ${shot%.bmp}.png"
  fi
fi
[ -f "$demo/Demo.exe" ] || { echo "no executable was built"; exit 1; }

echo "== C:\\demo\\Demo.exe"
in_wine_locale "$WINELOADER" 'C:\demo\Demo.exe' </dev/null
echo "== C:\\demo\\Demo.exe /streams, stopped with Terminate when it still runs after 5 s"
stop_line="$(mktemp -u)"
mkfifo "$stop_line"
in_wine_locale "$WINELOADER" 'C:\demo\Demo.exe' /streams <"$stop_line" &
demo_pid=$!
exec 3>"$stop_line"
rm -f "$stop_line"
for _ in $(seq 1 50); do
  kill -0 "$demo_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$demo_pid" 2>/dev/null; then
  (trap '' PIPE; printf 'Terminate\r\n' >&3) 2>/dev/null || true
fi
exec 3>&-
wait "$demo_pid" || true

# Sourced by the test and run scripts: a private Wine prefix, a display and a
# warm wineserver for the programs and tests that run under Wine.
#   wine_session_start PREFIX   wine_session_stop
#   in_wine_locale COMMAND...   runs a command with the locale Wine needs

wine_session_start() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  # The 64-bit loader directly: /usr/bin/wine starts the 32-bit loader first.
  export WINELOADER=/usr/lib/wine/wine64
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
  # The builtin half of the JDK bridge (tests/e2e/jdk_bridge/install-bridge.sh).
  export WINEDLLPATH="$WINEPREFIX/jdk-bridge"
  # Wine takes its ANSI code page from the locale: en_US gives 1252, so the
  # marker bytes 0xA5, 0xAB, 0xB6 and 0xBB pass through unchanged.
  # (Set per command: the shell itself need not have that locale generated.)

  WINE_SESSION_XVFB_PID=""
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 120); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
      WINE_SESSION_XVFB_PID=$!
      export DISPLAY=":$n"
      break
    done
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
      sleep 0.1
    done
  fi

  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating Wine prefix $WINEPREFIX"
    in_wine_locale timeout 300 "$WINELOADER" wineboot -i </dev/null >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
  fi
  # Started outside any test's pipes: services that the first wine would start
  # otherwise inherit ctest's output pipe and ctest never sees it close.
  # Its exit status 2 only says that a server for the prefix already runs.
  in_wine_locale /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
  in_wine_locale timeout 120 "$WINELOADER" wineboot </dev/null >/dev/null 2>&1 || true
  # Wine has no Comic Sans MS and falls back to a face with a smaller line;
  # its stand-in keeps the About box's text as tall as it is on Windows.
  if ! grep -q '"Comic Sans MS"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    in_wine_locale "$WINELOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Comic Sans MS" \
      /d "Comic Neue" /f </dev/null >/dev/null 2>&1 || true
  fi
  wine_window_manager_setting
  # The desktop's process, after the window setting it reads: the first
  # program that shows a window would start it otherwise, handing it that
  # test's output pipe, and the desktop outlives the test. A second one ends
  # at once when the desktop has one.
  ( in_wine_locale "$WINELOADER" explorer.exe /desktop </dev/null >/dev/null 2>&1 & )
}

# Wine hands its top-level windows to the display's window manager and, on
# every hide and close, waits up to 2 s for it to confirm; a virtual display
# has none, so each closing window (and each program's end) would cost 2 s.
# Without a window manager Wine manages its windows itself.
wine_window_manager_setting() {
  local key='HKCU\Software\Wine\X11 Driver'
  if command -v xprop >/dev/null 2>&1 &&
     xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    in_wine_locale timeout 60 "$WINELOADER" reg delete "$key" /v Managed /f </dev/null >/dev/null 2>&1 || true
  else
    in_wine_locale timeout 60 "$WINELOADER" reg add "$key" /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
  fi
}

in_wine_locale() {
  env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$@"
}

wine_session_stop() {
  /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
  fi
}

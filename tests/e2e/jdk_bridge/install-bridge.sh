#!/usr/bin/env bash
# Puts the JDK bridge into a Wine prefix as a test JDK, so the suite finds a
# JDK through the registry and its tools reach the machine's real JDK.
#   install-bridge.sh BRIDGE_BUILD_DIR [JDK_HOME_FOLDER] [LINUX_TOOL_DIR]
# BRIDGE_BUILD_DIR holds the built bridge (<tool>.exe.so and fake <tool>.exe);
# JDK_HOME_FOLDER is the folder under C:\ (default jdk17, giving C:\jdk17);
# LINUX_TOOL_DIR holds the real java, javac, jar, jdb (default /usr/bin).
# Needs WINEPREFIX and WINELOADER (scripts/wine-session.sh sets both).
# Programs in the prefix find the bridge's builtin half through
#   WINEDLLPATH="$WINEPREFIX/jdk-bridge"
# which wine_session_start exports.
set -euo pipefail
build_dir="$(cd "$1" && pwd)"
home_folder="${2:-jdk17}"
tool_dir="${3:-/usr/bin}"
: "${WINEPREFIX:?}" "${WINELOADER:?}"

tools="java javaw javac jar jdb"
version=17
windows_home="C:\\$home_folder"
bin="$WINEPREFIX/drive_c/$home_folder/bin"
dll_dir="$WINEPREFIX/jdk-bridge"

mkdir -p "$bin" "$dll_dir"
for tool in $tools; do
  cp "$build_dir/fake/$tool.exe" "$bin/$tool.exe"
  cp "$build_dir/$tool.exe.so" "$dll_dir/$tool.exe.so"
done
printf '%s\n' "$tool_dir" >"$bin/jdk-bridge.cfg"

# The keys today's JDK installers write, and only those: "JDK", in the
# 64-bit view, which the suite reads from both of its widths. Keys of older
# kits (and of an older set-up) go, in both views.
javasoft="HKLM\\SOFTWARE\\JavaSoft"
for view in 32 64; do
  timeout 120 "$WINELOADER" reg delete "$javasoft" /f /reg:$view >/dev/null 2>&1 || true
done
timeout 120 "$WINELOADER" reg add "$javasoft\\JDK" /v CurrentVersion /d "$version" /f /reg:64 >/dev/null
timeout 120 "$WINELOADER" reg add "$javasoft\\JDK\\$version" /v JavaHome /d "$windows_home" /f /reg:64 >/dev/null
echo "JDK bridge installed: $windows_home (tools from $tool_dir), WINEDLLPATH=$dll_dir"

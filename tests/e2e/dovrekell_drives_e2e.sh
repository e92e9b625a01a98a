#!/bin/bash
# The help browser's search of the fixed drives, in a Wine prefix of this
# test's own whose drives are a fixture: C: and a D: holding documentation
# folders, and no Z: (the whole Unix root, which the search would walk).
# The shared prefix keeps its drives, so the other tests running beside this
# one are not touched.
#   dovrekell_drives_e2e.sh PREFIX FIXTURE TEST_EXE DOVREKELL_EXE [gtest options]
set -u
prefix=$1 fixture=$2 test_exe=$3 dovrekell=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)

# D: two documentation folders, one more inside the first (a search does not
# look inside a folder it found), a folder named docs that is none, a link
# to a folder outside the drive that holds a third, and a link back to the
# drive's top.
rm -rf "$fixture" "$fixture-elsewhere"
docs_folder() {
  mkdir -p "$1/api" "$1/$2"
  printf '<html><body>%s</body></html>\n' "$3" >"$1/index.html"
  printf '<html><body>%s</body></html>\n' "$3" >"$1/api/$3.html"
}
docs_folder "$fixture/alpha/docs" specs Alpha
docs_folder "$fixture/alpha/docs/specs/old/docs" guide Nested
docs_folder "$fixture/beta/sub/docs" guide Beta
mkdir -p "$fixture/notes/docs"
ln -s ../.. "$fixture/beta/sub/loop"
docs_folder "$fixture-elsewhere/docs" guide Gamma
ln -s "$fixture-elsewhere" "$fixture/gamma"

# Every Wine command below acts on this prefix, never on the shared one
# that the environment names.
export WINEPREFIX=$prefix
source "$here/../../scripts/wine-session.sh"
trap wine_session_stop EXIT
# The drives are read when the prefix's services start, so none may run
# while they change: a new prefix is made and stopped first, and a server
# that an ended run left is stopped.
if [ -f "$prefix/system.reg" ]; then
  wine_session_stop
else
  wine_session_start "$prefix"
  wine_session_stop
fi
rm -f "$prefix/dosdevices/z:"
# Wine links the user's folders in C: to this machine's home folder, which a
# search that follows links would walk whole; here they are plain folders.
find "$prefix/drive_c" -type l | while read -r folder; do
  rm "$folder"
  mkdir "$folder"
done
ln -sfn "$fixture" "$prefix/dosdevices/d:"
wine_session_start "$prefix"

# The programs run from C:, the only other drive.
install="$prefix/drive_c/dovrekell-drives"
rm -rf "$install"
mkdir -p "$install/bin/Setting"
cp "$test_exe" "$install/dovrekell_drives_e2e_test.exe"
cp "$dovrekell" "$install/bin/Dovrekell.exe"
in_wine_locale "$WINELOADER" 'C:\dovrekell-drives\dovrekell_drives_e2e_test.exe' "$@" </dev/null
status=$?
exit $status

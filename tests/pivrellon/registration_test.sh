#!/usr/bin/env bash
# regsvr32 of the built library writes the class, its ProgIDs, the type
# library, the handler keys and the approval value; regsvr32 /u takes off
# exactly those and keeps the shared keys and other programs' handlers.
#   registration_test.sh PATH-TO-Pivrellon.dll BITS
# A library registers in the registry view of its own width (32 or 64); Wine
# redirects only some of the keys under HKCR for a 32-bit library, so a
# query reads that view first and then the shared one.
set -u
dll_unix="$1"
bits="${2:-64}"
dll="Z:$(echo "$dll_unix" | tr / '\\')"
wine="${WINELOADER:-/usr/lib/wine/wine64}"
clsid='{7A41C2E5-3B9D-4F08-A6C1-5D2E8B90F3A4}'
libid='{7A41C2E1-3B9D-4F08-A6C1-5D2E8B90F3A4}'
iid='{7A41C2E4-3B9D-4F08-A6C1-5D2E8B90F3A4}'
approved='HKLM\Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved'
failures=0

reg_in_view() { timeout 60 "$wine" reg "$@" 2>/dev/null | tr -d '\r'; }
reg() {
  if [ "$1" = query ] && [ "$bits" = 32 ]; then
    reg_in_view "$@" /reg:32 | grep -q REG_ && { reg_in_view "$@" /reg:32; return; }
    reg_in_view "$@"
    return
  fi
  reg_in_view "$@" "/reg:$bits"
}
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# value KEY NAME EXPECTED (NAME "" = the default value)
expect_value() {
  local key="$1" name="$2" want="$3" got
  if [ -z "$name" ]; then
    got=$(reg query "$key" /ve | sed -n 's/^ *(Default) *REG_SZ *//p')
  else
    got=$(reg query "$key" /v "$name" | awk -v n="$name" '$1 == n && $2 == "REG_SZ" { sub(/^ *[^ ]+ +REG_SZ +/, ""); print }')
  fi
  [ "$got" = "$want" ] || fail "$key [$name]: got '$got', want '$want'"
}
key_exists() {
  timeout 60 "$wine" reg query "$1" "/reg:$bits" >/dev/null 2>&1 ||
    timeout 60 "$wine" reg query "$1" >/dev/null 2>&1
}
expect_key() { key_exists "$1" || fail "missing key $1"; }
expect_no_key() { key_exists "$1" && fail "key still there: $1"; }
regsvr() {
  timeout 120 "$wine" regsvr32 /s "$@" "$dll" >/dev/null 2>&1
}

# Every start of Quenlow registers the library of its own width, so the other
# width's run in the same prefix may have left a registration behind: start
# from a registry without either, in both views.
for view in 32 64; do
  for key in "HKCR\\*\\shellex\\ContextMenuHandlers\\Quenlow" \
             "HKCR\\Folder\\shellex\\ContextMenuHandlers\\Quenlow" \
             "HKCR\\Directory\\shellex\\ContextMenuHandlers\\Quenlow" \
             "HKCR\\CLSID\\$clsid" "HKCR\\TypeLib\\$libid" "HKCR\\Interface\\$iid" \
             'HKCR\Pivrellon.QuenlowMenu.1' 'HKCR\Pivrellon.QuenlowMenu'; do
    reg_in_view delete "$key" /f "/reg:$view" >/dev/null
  done
  reg_in_view delete "$approved" /v "$clsid" /f "/reg:$view" >/dev/null
done

# Unregistering what was never registered is already done.
regsvr /u || fail "regsvr32 /u on a clean registry failed"

regsvr || fail "regsvr32 failed"
expect_value 'HKCR\Pivrellon.QuenlowMenu.1' "" 'QuenlowMenu Class'
expect_value 'HKCR\Pivrellon.QuenlowMenu.1\CLSID' "" "$clsid"
expect_value 'HKCR\Pivrellon.QuenlowMenu' "" 'QuenlowMenu Class'
expect_value 'HKCR\Pivrellon.QuenlowMenu\CLSID' "" "$clsid"
expect_value 'HKCR\Pivrellon.QuenlowMenu\CurVer' "" 'Pivrellon.QuenlowMenu.1'
expect_value "HKCR\\CLSID\\$clsid" "" 'QuenlowMenu Class'
expect_value "HKCR\\CLSID\\$clsid\\ProgID" "" 'Pivrellon.QuenlowMenu.1'
expect_value "HKCR\\CLSID\\$clsid\\VersionIndependentProgID" "" 'Pivrellon.QuenlowMenu'
expect_key "HKCR\\CLSID\\$clsid\\Programmable"
expect_value "HKCR\\CLSID\\$clsid\\InprocServer32" "" "$dll"
expect_value "HKCR\\CLSID\\$clsid\\InprocServer32" ThreadingModel 'Apartment'
expect_value "HKCR\\CLSID\\$clsid\\TypeLib" "" "$libid"
for root in '*' Folder Directory; do
  expect_value "HKCR\\$root\\shellex\\ContextMenuHandlers\\Quenlow" "" "$clsid"
done
expect_value "HKCR\\TypeLib\\$libid\\1.0\\0\\win$bits" "" "$dll"
expect_value "HKCR\\Interface\\$iid" "" 'IQuenlowMenu'
expect_value "$approved" "$clsid" 'Pivrellon extension'

# Another program's handler beside ours must survive our unregistration, and
# an approval value that someone already removed must not stop it.
# (The handler keys are shared by both views: the other program's key is
# written where a program of either width finds it.)
reg_in_view add 'HKCR\*\shellex\ContextMenuHandlers\OtherTool' /ve /d other /f >/dev/null
reg delete "$approved" /v "$clsid" /f >/dev/null

regsvr /u || fail "regsvr32 /u without the approval value failed"
expect_no_key 'HKCR\Pivrellon.QuenlowMenu.1'
expect_no_key 'HKCR\Pivrellon.QuenlowMenu'
expect_no_key "HKCR\\CLSID\\$clsid"
expect_no_key "HKCR\\TypeLib\\$libid"
expect_no_key "HKCR\\Interface\\$iid"
for root in '*' Folder Directory; do
  expect_no_key "HKCR\\$root\\shellex\\ContextMenuHandlers\\Quenlow"
  expect_key "HKCR\\$root\\shellex\\ContextMenuHandlers"
done
expect_key 'HKCR\CLSID'
expect_key "$approved"
expect_value 'HKCR\*\shellex\ContextMenuHandlers\OtherTool' "" 'other'

# Registration again, then unregistration with the value present.
regsvr || fail "second regsvr32 failed"
regsvr /u || fail "regsvr32 /u failed"
reg query "$approved" /v "$clsid" | grep -q 'Pivrellon extension' && fail "approval value left behind"

reg_in_view delete 'HKCR\*\shellex\ContextMenuHandlers\OtherTool' /f >/dev/null
[ "$failures" -eq 0 ] && echo "registration: all checks passed"
exit "$failures"

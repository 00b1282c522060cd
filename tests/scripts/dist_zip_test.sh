#!/usr/bin/env bash
# The download, packed by the dist target of BUILD: it holds the two programs, the help file
# and README.txt and nothing else; README.txt is the user guide in plain text with CR LF line
# ends and no build instructions; packing it again at another time, in another time zone and
# with another umask gives the same bytes.
#   dist_zip_test.sh BUILD ZIP
set -euo pipefail
build="$1"
zip="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --build "$build" --target dist >/dev/null
[ -f "$zip" ] || { echo "FAIL: the dist target made no $zip" >&2; exit 1; }

listed="$(unzip -Z1 "$zip" | tr '\n' ' ')"
[ "$listed" = "quillon.exe quillon-cli.exe quillonfaq.txt README.txt " ] || fail "the zip holds: $listed"
modes="$(unzip -Z "$zip" | awk '/^-/ { print $1 }' | sort -u | tr '\n' ' ')"
[ "$modes" = "-rw-r--r-- " ] || fail "the files' modes are: $modes"

readme="$work/README.txt"
unzip -p "$zip" README.txt >"$readme"
lines="$(wc -l <"$readme")"
crlf_lines="$(grep -c $'\r$' "$readme" || true)"
[ "$lines" -gt 100 ] || fail "README.txt has only $lines lines"
[ "$crlf_lines" = "$lines" ] || fail "README.txt ends $((lines - crlf_lines)) of its $lines lines without CR LF"
[ "$(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ')" = "0d0a" ] || fail "README.txt does not end with CR LF"
for heading in "Quillon" "Using Quillon" "Safety" "Keyboard" "Undo and backups" "Command line"; do
  grep -qx "$heading"$'\r' "$readme" || fail "README.txt has no heading \"$heading\""
done
for unwanted in 'make (run|test|dist|bench)' 'build/' '\*\*' '`' '\]\(' '<!--'; do
  ! grep -nE "$unwanted" "$readme" >&2 || fail "README.txt holds $unwanted (above)"
done

cp "$zip" "$work/first.zip"
sleep 2  # a zip keeps times to two seconds
(umask 077 && TZ=JST-9 cmake --build "$build" --target dist >/dev/null)
cmp "$work/first.zip" "$zip" >&2 || fail "packing again gave other bytes"

[ "$failures" -eq 0 ] || exit 1

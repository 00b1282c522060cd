#!/usr/bin/env bash
# When Wine's loader cannot start, the scripts that run Windows programs say why in one line.
set -uo pipefail
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0

# A 32-bit ELF header with nothing behind it: the kernel refuses it with "Exec format error".
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$scratch/wine64"
chmod +x "$scratch/wine64"

expect_one_line() {
  local loader=$1 wanted=$2 said status
  said="$(QUILLON_WINELOADER="$loader" QUILLON_WINEPREFIX="$scratch/prefix" "$scripts/wine-exec" program.exe 2>&1)"
  status=$?
  if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$said" | wc -l)" -ne 1 ] || [ "$said" != "$wanted" ]; then
    echo "loader $loader: exit $status, said: $said" >&2
    echo "wanted exit 1 and: $wanted" >&2
    failures=$((failures + 1))
  fi
  if [ -e "$scratch/prefix" ]; then
    echo "loader $loader: a prefix was made though Wine cannot start" >&2
    failures=$((failures + 1))
  fi
}

expect_one_line "$scratch/wine64" \
  "Wine could not start: this machine cannot run its loader $scratch/wine64 (Exec format error)."
expect_one_line "$scratch/missing/wine64" \
  "Wine could not start: its 64-bit loader $scratch/missing/wine64 is not installed (scripts/bootstrap installs it)."
exit $((failures > 0))

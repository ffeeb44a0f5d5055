#!/usr/bin/env bash
# Runs a Windows program under Wine for the build and the tests:
#  - 32-bit or 64-bit Wine, as the program is built (its PE header says);
#  - a project-local Wine prefix of that kind inside its build folder
#    (build/win32 or build/win64), made on first use (virtual desktop, CJK
#    font replacements, no Mono/Gecko installers);
#  - a virtual X display (Xvfb) when none is set;
#  - Wine's debug output off;
#  - one program at a time per prefix (a lock), and the prefix's wineserver
#    stopped afterwards so that nothing lingers into the next run.
# On a machine whose kernel cannot execute this kind of Wine (some virtual
# machines run 64-bit code only, and every 32-bit program fails there with
# "Exec format error"), nothing can run: the script says so and exits with
# 77, which ctest counts as a skipped test.
# Usage: wine-run.sh program.exe [arguments...]   (a Linux path or a Z:\ path)
#        wine-run.sh --can-run win32|win64       (only the check: 0, or 77 and the reason)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine_folder=/usr/lib/wine

# win32 or win64, from the machine field of a program's PE header.
pe_kind() {
  local header machine
  header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 0
  [ -n "$header" ] || return 0
  machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    014c) echo win32 ;;
    8664) echo win64 ;;
  esac
}

loader_of() { [ "$1" = win64 ] && echo "$wine_folder/wine64" || echo "$wine_folder/wine"; }

# The shell reports 126 when the kernel refuses to execute the loader; a
# missing Wine is 127 and fails the run as it should.
check_can_run() {
  local rc=0
  "$(loader_of "$1")" --version >/dev/null 2>&1 || rc=$?
  if [ "$rc" -eq 126 ]; then
    local bits=32
    [ "$1" = win64 ] && bits=64
    echo "wine-run: this machine cannot execute $bits-bit programs, so nothing runs under $bits-bit Wine here: skipped" >&2
    exit 77
  fi
}

if [ "${1:-}" = "--can-run" ]; then
  check_can_run "${2:?--can-run needs win32 or win64}"
  exit 0
fi

program=${1:?usage: wine-run.sh program.exe [arguments...]}
linux_program=$program
[[ "$program" =~ ^[Zz]:\\ ]] && linux_program=$(printf '%s' "${program:2}" | tr '\\' /)
kind=$(pe_kind "$linux_program")
[ -n "$kind" ] || { echo "wine-run: $program is not a 32-bit or 64-bit Windows program" >&2; exit 1; }
check_can_run "$kind"

export WINELOADER
WINELOADER=$(loader_of "$kind")
export WINESERVER=$wine_folder/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$wine_folder/wineserver32
export WINEARCH=$kind
export WINEPREFIX=${VERBROOK_WINEPREFIX:-$root/build/$kind/wine-prefix}
export WINEDEBUG=${VERBROOK_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine() { "$WINELOADER" "$@"; }

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

xvfb_pid=
cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$xvfb_pid" 2>/dev/null; then export DISPLAY=":$n"; break; fi
    xvfb_pid=
  done
  [ -n "${DISPLAY:-}" ] || { echo "wine-run: could not start Xvfb" >&2; exit 1; }
fi

if [ ! -f "$WINEPREFIX/.verbrook-ready" ]; then
  echo "wine-run: preparing the $kind Wine prefix $WINEPREFIX (once)" >&2
  wine wineboot -i >/dev/null 2>&1 || true
  # regedit wants UTF-16 with a byte-order mark; the file is kept as UTF-8.
  reg="$WINEPREFIX/verbrook.reg"
  { printf '\xff\xfe'; sed 's/$/\r/' "$root/scripts/wine-prefix.reg" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  wine regedit /S "Z:$(printf '%s' "$reg" | tr / '\\')" >/dev/null 2>&1
  # Wine does not find the Marlett of fonts-wine by itself here; without it the
  # caption buttons are drawn as letters.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  "$WINESERVER" -w
  touch "$WINEPREFIX/.verbrook-ready"
fi

set +e
wine "$@"
rc=$?
set -e
exit "$rc"

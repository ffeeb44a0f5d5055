#!/usr/bin/env bash
# Runs a Windows program under 32-bit Wine for the build and the tests:
#  - a project-local Wine prefix inside the build folder, made on first use
#    (virtual desktop, CJK font replacements, no Mono/Gecko installers);
#  - a virtual X display (Xvfb) when none is set;
#  - Wine's debug output off;
#  - one program at a time per prefix (a lock), and the prefix's wineserver
#    stopped afterwards so that nothing lingers into the next run.
# On a machine whose kernel cannot execute 32-bit programs at all (some
# virtual machines run 64-bit code only), nothing can run under 32-bit Wine:
# the script says so and exits with 77, which ctest counts as a skipped test.
# Usage: wine-run.sh program.exe [arguments...]
#        wine-run.sh --can-run   (only the check: 0, or 77 and the reason)
set -euo pipefail

# The shell reports 126 when the kernel refuses to execute Wine's 32-bit
# loader; a missing Wine is 127 and fails the run as it should.
set +e
wine --version >/dev/null 2>&1
wine_rc=$?
set -e
if [ "$wine_rc" -eq 126 ]; then
  echo "wine-run: this machine cannot execute 32-bit programs, so nothing runs under 32-bit Wine here: skipped" >&2
  exit 77
fi
[ "${1:-}" = "--can-run" ] && exit 0

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${VERBROOK_WINEPREFIX:-$root/build/win32/wine-prefix}
export WINEDEBUG=${VERBROOK_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

xvfb_pid=
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
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
  echo "wine-run: preparing the Wine prefix $WINEPREFIX (once)" >&2
  wineboot -i >/dev/null 2>&1 || true
  # regedit wants UTF-16 with a byte-order mark; the file is kept as UTF-8.
  reg="$WINEPREFIX/verbrook.reg"
  { printf '\xff\xfe'; sed 's/$/\r/' "$root/scripts/wine-prefix.reg" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  wine regedit /S "Z:$(printf '%s' "$reg" | tr / '\\')" >/dev/null 2>&1
  # Wine does not find the Marlett of fonts-wine by itself here; without it the
  # caption buttons are drawn as letters.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  touch "$WINEPREFIX/.verbrook-ready"
fi

set +e
wine "$@"
rc=$?
set -e
exit "$rc"

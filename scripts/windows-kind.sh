#!/usr/bin/env bash
# Prints which build of Verbrook the Windows tests run here: "win32", the
# program as it ships, where this machine runs 32-bit programs; otherwise
# "win64", the same sources built for x86-64, under 64-bit Wine. Setting
# VERBROOK_WIN64=1 takes the 64-bit path on any machine. A line on stderr
# says why; the exit code is 77 when neither kind can run here.
set -uo pipefail
runner="$(dirname "${BASH_SOURCE[0]}")/wine-run.sh"

if [ "${VERBROOK_WIN64:-0}" = 1 ]; then
  echo "windows-kind: VERBROOK_WIN64=1 asks for the 64-bit build" >&2
elif "$runner" --can-run win32 2>/dev/null; then
  echo win32
  exit 0
else
  echo "windows-kind: this machine cannot run 32-bit programs; the Windows tests take the 64-bit build" >&2
fi
"$runner" --can-run win64 || exit 77
echo win64

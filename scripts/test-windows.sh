#!/usr/bin/env bash
# Runs the Windows tests (ctest, with the arguments given) in the tree that
# scripts/windows-kind.sh picks, building the 64-bit tree first when it is
# that one, and ends by saying which build was tested, or why none was.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

kind=$(scripts/windows-kind.sh)
if [ $? -eq 77 ]; then
  echo
  echo "Windows tests: SKIPPED, every one: this machine can run neither 32-bit nor 64-bit Wine."
  exit 0
fi
if [ "$kind" = win64 ]; then
  make --no-print-directory win64 || exit 1
fi

ctest --test-dir "build/$kind" "$@"
rc=$?
case "$kind" in
  win32) what="the 32-bit build (build/win32, the program as it ships) under 32-bit Wine" ;;
  win64) what="the 64-bit build of the same sources (build/win64) under 64-bit Wine" ;;
esac
echo
[ $rc -eq 0 ] && echo "Windows tests passed on $what." || echo "Windows tests FAILED on $what."
exit $rc

#!/usr/bin/env bash
# Folders that cannot be written, for the failed-save scenarios and for a
# program started from a read-only folder, each with 旧.txt inside holding
# 旧内容 (GBK) and the files named after the folder copied in. Everything
# here runs as root, and root (so Wine too) writes anywhere whatever the
# permissions say, so:
#  - read-only: the folder is bind-mounted onto itself read-only;
#  - full: a 1 MB RAM disk (tmpfs) filled up to its last byte.
# Usage: unwritable_folder.sh read-only|full FOLDER [FILE...]
#        unwritable_folder.sh unmount FOLDER
set -euo pipefail

action=$1
folder=$2
shift 2

unmount() {
  if mountpoint -q "$folder"; then umount "$folder"; fi
  rm -rf "$folder"
}

put_files() {
  printf '\xbe\xc9\xc4\xda\xc8\xdd' >"$folder/旧.txt"  # 旧内容 in GBK
  for file in "$@"; do cp "$file" "$folder/"; done
}

# Writing a byte must fail now; a file made by the attempt goes again.
check_unwritable() {
  if { printf x >"$folder/probe"; } 2>/dev/null; then
    echo "unwritable_folder: $folder is still writable" >&2
    exit 1
  fi
  rm -f "$folder/probe"
}

case "$action" in
  read-only)
    unmount
    mkdir -p "$folder"
    put_files "$@"
    mount --bind "$folder" "$folder"
    mount -o remount,ro,bind "$folder"
    ;;
  full)
    unmount
    mkdir -p "$folder"
    mount -t tmpfs -o size=1m tmpfs "$folder"
    put_files "$@"
    # dd stops when the disk is full, which is what it is for.
    dd if=/dev/zero of="$folder/filler" bs=4k 2>/dev/null || true
    ;;
  unmount)
    unmount
    exit 0
    ;;
  *)
    echo "usage: $0 read-only|full FOLDER [FILE...], or $0 unmount FOLDER" >&2
    exit 2
    ;;
esac
check_unwritable

#!/usr/bin/env bash
# A folder that nobody can write, for the failed-save scenario and for a
# program started from a read-only folder. Everything here runs as root, and
# root (so Wine too) writes anywhere whatever the permissions say, so the
# folder is bind-mounted onto itself read-only. The files named after the
# folder are copied into it first.
# Usage: read_only_folder.sh mount FOLDER [FILE...] | unmount FOLDER
set -euo pipefail

action=$1
folder=$2
shift 2

case "$action" in
  mount)
    if mountpoint -q "$folder"; then umount "$folder"; fi
    rm -rf "$folder"
    mkdir -p "$folder"
    printf '\xbe\xc9\xc4\xda\xc8\xdd' >"$folder/旧.txt"  # 旧内容 in GBK
    for file in "$@"; do cp "$file" "$folder/"; done
    mount --bind "$folder" "$folder"
    mount -o remount,ro,bind "$folder"
    if touch "$folder/probe" 2>/dev/null; then
      echo "read_only_folder: $folder is still writable" >&2
      exit 1
    fi
    ;;
  unmount)
    if mountpoint -q "$folder"; then umount "$folder"; fi
    rm -rf "$folder"
    ;;
  *)
    echo "usage: $0 mount FOLDER [FILE...] | unmount FOLDER" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# The folder of the save through links: 稿子.txt holding 旧内容 (GBK) and
# 符号链接.txt, a symbolic link to it. Wine makes no symbolic links from
# Windows code (CreateSymbolicLinkW reports success and makes nothing), so
# the link is made here; the scenario adds the rest from Windows.
# Usage: linked_files.sh FOLDER
set -euo pipefail

folder=$1
rm -rf "$folder"
mkdir -p "$folder"
printf '\xbe\xc9\xc4\xda\xc8\xdd' >"$folder/稿子.txt"  # 旧内容 in GBK
ln -s 稿子.txt "$folder/符号链接.txt"

#!/usr/bin/env bash
# Where the memory of a program at rest goes: Verbrook (its main window up,
# the splash over, no document) against Wine's notepad.exe (its window up, no
# document), in turns, several times each.
#
# Under Wine a process's working set is the resident memory of its Linux
# process, so this reads it from the Linux side (/proc/<pid>/smaps) and sums
# it by what each mapping holds:
#  - the program file: its code, data and (for Verbrook) the 28 splash frames;
#    Wine copies the sections of a file it cannot map page by page into memory
#    of no file inside the module's block;
#  - GDI+ and the imaging codecs;
#  - font files (the glyphs drawn so far);
#  - heaps and thread stacks (memory of no file: what the program and the
#    libraries it uses allocated, and every thread's stacks);
#  - X shared memory (the pictures of the windows);
#  - Wine and the other system libraries, which every program under Wine has.
# A section copied for a library counts with that library.
# Run: bench/wine/memory_at_rest.sh   (from any folder; builds nothing)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
runs=3
settle_seconds=6   # the splash is over after 1.5 s; the main window is up by then

verbrook=build/win32/Verbrook.exe
notepad=build/win32/wine-prefix/drive_c/windows/system32/notepad.exe
[ -f "$notepad" ] || { echo "memory_at_rest: no $notepad: the Wine prefix is made by the first program run under Wine" >&2; exit 1; }

# Sums one process's resident memory by kind; prints "kind KB" lines and
# "threads N". A Windows module is mapped as one block, its headers first: the
# size of the block (SizeOfImage, in the headers) tells which memory of no
# file right after them is its sections.
breakdown() {
  local pid=$1 program=$2
  awk -v program="$(basename "$program" | tr 'A-Z' 'a-z')" '
    function number(hex,   i, n) {
      n = 0
      for (i = 1; i <= length(hex); i++) n = n * 16 + index("0123456789abcdef", substr(hex, i, 1)) - 1
      return n
    }
    function image_size(path,   command, header, size) {
      command = "od -An -tu4 -j60 -N4 \"" path "\" 2>/dev/null"
      header = 0; command | getline header; close(command)
      if (header + 0 <= 0) return 0
      command = "od -An -tu4 -j" (header + 80) " -N4 \"" path "\" 2>/dev/null"
      size = 0; command | getline size; close(command)
      return size + 0
    }
    function kind_of(name,   lower) {
      lower = tolower(name)
      sub(/.*\//, "", lower)
      if (lower == program) return "the program file"
      if (lower == "gdiplus.dll" || lower == "windowscodecs.dll") return "GDI+ and the imaging codecs"
      if (lower ~ /\.(ttf|ttc|otf|fon)$/) return "font files"
      if (lower ~ /^sysv/ || name ~ /^\/dev\/shm/ || name ~ /^\/memfd:/) return "X shared memory"
      return "Wine and the other system libraries"
    }
    /^[0-9a-f]+-[0-9a-f]+ / {
      split($1, range, "-")
      start = number(range[1])
      name = (NF >= 6) ? $6 : ""
      for (i = 7; i <= NF; i++) name = name " " $i
      if (name != "" && name !~ /^\[/) {
        kind = kind_of(name)
        if ($3 == "00000000" && tolower(name) ~ /\.(exe|dll|drv)$/) {
          size = image_size(name)
          if (size > 0) { module_kind = kind; module_end = start + size }
        }
      } else if (start < module_end) {
        kind = module_kind   # a section of the module, copied into memory
      } else {
        kind = "heaps and thread stacks"
      }
      next
    }
    /^Rss:/ { kb[kind] += $2 }
    END { for (k in kb) print k "\t" kb[k] }
  ' "/proc/$pid/smaps"
  printf 'threads\t%s\n' "$(ls "/proc/$pid/task" | wc -l)"
}

# Starts the program, lets it settle, measures it, ends it.
measure() {
  local program=$1 name runner pid=
  name=$(basename "$program")
  scripts/wine-run.sh "$program" >/dev/null 2>&1 &
  runner=$!
  for _ in $(seq 200); do
    pid=$(pgrep -x -P "$runner" "$name" || true)
    [ -n "$pid" ] && break
    sleep 0.05
  done
  [ -n "$pid" ] || { echo "memory_at_rest: $name did not start" >&2; exit 1; }
  sleep "$settle_seconds"
  breakdown "$pid" "$program"
  kill "$pid"
  wait "$runner" 2>/dev/null || true
}

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for run in $(seq "$runs"); do
  measure "$verbrook" | sed "s/^/Verbrook\t$run\t/" >>"$results"
  measure "$notepad" | sed "s/^/notepad\t$run\t/" >>"$results"
done

echo "resident memory at rest after ${settle_seconds} s, no document: medians of $runs runs each, MB"
awk -F'\t' -v runs="$runs" '
  function median(program, kind,   n, i, j, t, v) {
    n = 0
    for (i = 1; i <= runs; i++) v[++n] = value[program, i, kind] + 0
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return v[int((n + 1) / 2)]
  }
  $3 == "threads" { threads[$1] = $4; next }
  { value[$1, $2, $3] = $4; value[$1, $2, "total"] += $4 }
  END {
    order = "the program file|GDI+ and the imaging codecs|font files|heaps and thread stacks|X shared memory|Wine and the other system libraries|total"
    count = split(order, names, "|")
    printf "  %-40s %9s %9s %9s\n", "", "Verbrook", "notepad", "more"
    for (i = 1; i <= count; i++) {
      ours = median("Verbrook", names[i]) / 1024; peer = median("notepad", names[i]) / 1024
      printf "  %-40s %9.1f %9.1f %+9.1f\n", names[i], ours, peer, ours - peer
    }
    printf "  threads: Verbrook %s, notepad %s\n", threads["Verbrook"], threads["notepad"]
  }' "$results"

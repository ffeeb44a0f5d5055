#!/usr/bin/env bash
# Where the memory of Verbrook and of Wine's notepad.exe goes, at two moments
# of each: at rest (the main window up, no document) and after a 1 MB
# manuscript was opened through the open dialog, three runs each in turns.
# build/win32/bench_memory_moments.exe starts the programs, opens the file and
# holds each moment until this script has measured it.
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
# The peak is the process's highest resident memory (VmHWM), which Wine
# reports as its peak working set.
# Run: LC_ALL=zh_CN.UTF-8 bench/wine/memory_by_kind.sh   (from any folder; builds nothing)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
runs=3
driver=build/win32/bench_memory_moments.exe
[ -f "$driver" ] || { echo "memory_by_kind: no $driver: make bench builds it" >&2; exit 1; }

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
  awk '/^VmHWM:/ { print "peak\t" $2 }' "/proc/$pid/status"
}

signals=$(mktemp -d)
results=$signals/results
trap 'rm -rf "$signals"' EXIT
scripts/wine-run.sh "$driver" "$runs" "$signals" >"$signals/driver.log" 2>&1 &
runner=$!
# Each moment the driver holds: measure the program it names, then let it go.
while kill -0 "$runner" 2>/dev/null; do
  if [ -f "$signals/moment.txt" ]; then
    read -r program moment run <"$signals/moment.txt"
    pid=$(pgrep -x -n "$program") || { echo "memory_by_kind: no process $program" >&2; exit 1; }
    breakdown "$pid" "$program" | sed "s/^/${program%.exe}\t$moment\t$run\t/" >>"$results"
    rm "$signals/moment.txt"
  fi
  sleep 0.1
done
wait "$runner" || { cat "$signals/driver.log" >&2; echo "memory_by_kind: the driver failed" >&2; exit 1; }

echo "resident memory by kind: medians of $runs runs each, MB"
echo "  at rest: the main window up, no document; opened: 1 MB opened through the open dialog"
awk -F'\t' -v runs="$runs" '
  function median(program, moment, kind,   n, i, j, t, v) {
    n = 0
    for (i = 1; i <= runs; i++) v[++n] = value[program, moment, i, kind] + 0
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return v[int((n + 1) / 2)]
  }
  $4 == "threads" { threads[$1, $2] = $5; next }
  { value[$1, $2, $3, $4] = $5 }
  $4 != "peak" { value[$1, $2, $3, "total"] += $5 }
  END {
    order = "the program file|GDI+ and the imaging codecs|font files|heaps and thread stacks|X shared memory|Wine and the other system libraries|total|peak"
    count = split(order, names, "|")
    printf "  %-36s %26s   %26s\n", "", "at rest", "opened"
    printf "  %-36s %8s %8s %8s   %8s %8s %8s\n", "", "Verbrook", "notepad", "more", "Verbrook", "notepad", "more"
    for (i = 1; i <= count; i++) {
      line = sprintf("  %-36s", names[i] == "peak" ? "peak (the highest total so far)" : names[i])
      for (m = 1; m <= 2; m++) {
        moment = m == 1 ? "rest" : "open"
        ours = median("Verbrook", moment, names[i]) / 1024; peer = median("notepad", moment, names[i]) / 1024
        line = line sprintf(" %8.1f %8.1f %+8.1f%s", ours, peer, ours - peer, m == 1 ? "  " : "")
      }
      print line
    }
    printf "  threads at rest: Verbrook %s, notepad %s; opened: Verbrook %s, notepad %s\n",
      threads["Verbrook", "rest"], threads["notepad", "rest"], threads["Verbrook", "open"], threads["notepad", "open"]
  }' "$results"

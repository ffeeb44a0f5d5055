#!/usr/bin/env bash
# Runs the benchmarks and writes their table into BENCHMARKS.md (`make bench`
# builds both trees first). Native benchmarks run directly, Windows ones under
# Wine through scripts/wine-run.sh. Each benchmark prints its rows of the
# table as lines starting with "| "; everything it prints is kept in
# build/bench/<name>.log, and the table is made from the latest log of each.
# Only the part of BENCHMARKS.md between its two "bench:" markers is
# rewritten; the text around it is written by people.
# The scripts in bench/wine measure Windows programs from the Linux side.
# Usage: scripts/bench.sh [name...]   e.g. scripts/bench.sh documents splash_step
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
logs=build/bench
mkdir -p "$logs"

# The order of the table.
native=(space_free_length_bench gb18030_bench)
windows=(space_free_length_bench gb18030_bench files_bench splash_step startup_to_screen edit_key_handlers document_memory documents)
wine_scripts=(memory_by_kind)
wanted=("$@")

is_wanted() {
  [ ${#wanted[@]} -eq 0 ] && return 0
  local name
  for name in "${wanted[@]}"; do [ "$name" = "$1" ] && return 0; done
  return 1
}

# The Google Benchmark program: medians of five repetitions; its rows compare
# each counter with memchr over the same text.
run_native_counting() {
  local log=$logs/native_space_free_length_bench.log
  local command="build/native/bench_space_free_length_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv"
  echo "== $command"
  { echo "\$ $command"; $command 2>&1; } >"$log.new"
  awk -F, '
    /_median"?,/ {
      name = $1; gsub(/"/, "", name); sub(/^BM_/, "", name); sub(/_median$/, "", name)
      rate[name] = $6 / 1e9
    }
    END {
      split("Chinese Ascii", kinds, " ")
      split("mostly Chinese|mostly ASCII", texts, "|")
      for (i = 1; i <= 2; i++) {
        ours = rate["SpaceFreeLength" kinds[i]]; limit = rate["Memchr" kinds[i]]
        if (limit == 0) continue
        printf "| counting (space-free byte length), 100 MB of %s GBK text, native | %.2f GB/s | memchr over the same bytes %.2f GB/s | %.2f | 0.5 or more | %s |\n",
          texts[i], ours, limit, ours / limit, (ours / limit >= 0.5) ? "yes" : "**no**"
      }
    }' "$log.new" >>"$log.new.rows"
  cat "$log.new.rows" >>"$log.new"
  rm "$log.new.rows"
  mv "$log.new" "$log"
}

# A native program that prints its own rows.
run_native() {
  local name=$1 log=$logs/native_$1.log
  local command="build/native/bench_$name"
  echo "== $command"
  if ! { echo "\$ $command"; $command 2>&1; } >"$log.new"; then
    echo "bench: $name failed; its log is $log.new" >&2
    return 1
  fi
  mv "$log.new" "$log"
}

# A Windows benchmark, or a script of bench/wine: either is run under a
# Chinese locale where it measures against notepad.exe, which then reads
# files in code page 936 (GBK), shows the same text as Verbrook and draws its
# menus with Chinese fonts, as Verbrook does.
run_windows() {
  local name=$1 log=$logs/win32_$1.log
  local command="scripts/wine-run.sh build/win32/bench_$name.exe"
  [ -x "bench/wine/$name.sh" ] && command="bench/wine/$name.sh"
  case "$name" in documents | memory_by_kind) command="env LC_ALL=zh_CN.UTF-8 $command" ;; esac
  echo "== $command"
  # The documents benchmark waits minutes for Wine's edit control: notepad
  # alone takes three quarters of an hour over its UTF-8 and UTF-16 files on
  # a slow machine, the whole benchmark almost the hour.
  # Wine's console ends lines with CR LF. sed -u passes each line on as it
  # comes, so the log of a running benchmark shows how far it has got.
  if ! { echo "\$ $command"; timeout 5400 $command 2>&1 | sed -u -e 's/\r//g' -e '/setlocale: LC_ALL/d'; } >"$log.new"; then
    echo "bench: $name failed; its log is $log.new" >&2
    return 1
  fi
  mv "$log.new" "$log"
}

failed=0
for name in "${native[@]}"; do
  is_wanted "$name" || continue
  if [ "$name" = space_free_length_bench ]; then run_native_counting || failed=1; else run_native "$name" || failed=1; fi
done
for name in "${windows[@]}" "${wine_scripts[@]}"; do
  if is_wanted "$name"; then run_windows "$name" || failed=1; fi
done

# The generated part of BENCHMARKS.md.
generated=$(mktemp)
trap 'rm -f "$generated"' EXIT
{
  echo "<!-- bench: made by scripts/bench.sh; everything down to the end marker is rewritten -->"
  echo "Made by \`make bench\` (\`scripts/bench.sh$([ ${#wanted[@]} -gt 0 ] && printf ' %s' "${wanted[@]}")\`) on $(date -u '+%Y-%m-%d %H:%M UTC'):"
  echo "$(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')), $(wine --version 2>/dev/null) under Xvfb, a shared machine."
  echo
  echo "| what | Verbrook | peer or limit, same run | ratio | aim | met |"
  echo "|---|---|---|---|---|---|"
  for name in "${native[@]}"; do [ -f "$logs/native_$name.log" ] && grep '^| ' "$logs/native_$name.log" || true; done
  for name in "${windows[@]}" "${wine_scripts[@]}"; do [ -f "$logs/win32_$name.log" ] && grep '^| ' "$logs/win32_$name.log" || true; done
  echo
  echo "Everything each benchmark printed, with its command (\`build/bench/*.log\`):"
  for log in "${native[@]/#/native_}" "${windows[@]/#/win32_}" "${wine_scripts[@]/#/win32_}"; do
    [ -f "$logs/$log.log" ] || continue
    echo
    echo '```'
    grep -v '^| ' "$logs/$log.log" | grep -v '^$' || true
    echo '```'
  done
  echo "<!-- bench: end -->"
} >"$generated"

doc=BENCHMARKS.md
if [ -f "$doc" ] && grep -q '^<!-- bench: made' "$doc" && grep -q '^<!-- bench: end' "$doc"; then
  awk -v generated="$generated" '
    /^<!-- bench: made/ { while ((getline line < generated) > 0) print line; skipping = 1; next }
    /^<!-- bench: end/ { skipping = 0; next }
    !skipping' "$doc" >"$doc.new"
  mv "$doc.new" "$doc"
else
  { echo "# Benchmarks"; echo; cat "$generated"; } >"$doc"
fi
echo "bench: wrote $doc"
exit "$failed"

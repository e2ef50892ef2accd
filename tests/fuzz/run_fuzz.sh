#!/usr/bin/env bash
# Runs every fuzz target of a built fuzz tree for a while, each from a
# scratch copy of its seeds (the repository's corpus never grows by itself),
# and prints per target how many inputs it ran and whether one broke it.
# Usage: run_fuzz.sh BUILD_DIR SECONDS_PER_TARGET [JOBS [TARGET...]]
# JOBS processes fuzz each target side by side on one shared corpus (one a
# core suits); without targets named, all of them run. Exits 1 when one broke.
set -u
build=$(cd "$1" && pwd)
seconds=$2
jobs=${3:-1}
shift $(( $# < 3 ? $# : 3 ))
here=$(cd "$(dirname "$0")" && pwd)
targets=(project_load project_import settings transitions script)
[ $# -gt 0 ] && targets=("$@")
status=0
report=()

# The executions of one process's log: its final statistics, else the last
# status line it printed.
executions_in() {
  local n
  n=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$1" | grep -o '[0-9]*$' | tail -1)
  [ -n "$n" ] || n=$(grep -o '^#[0-9]*' "$1" | tail -1 | tr -d '#')
  echo "${n:-0}"
}

for t in "${targets[@]}"; do
  if [ ! -x "$build/tests/fuzz/${t}_fuzz" ]; then
    echo "no fuzz target named $t" >&2
    status=1
    continue
  fi
  dict=$here/xml.dict
  [ "$t" = script ] && dict=$here/script.dict
  work=$build/tests/fuzz/scratch/run-$t
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts" "$work/logs"
  cp "$here/corpus/$t"/* "$work/corpus/"
  echo "== $t: ${seconds} s, $jobs process(es)"
  # With -jobs, libFuzzer writes each process's log as fuzz-N.log in the
  # folder it runs in.
  (cd "$work/logs" && LSAN_OPTIONS=suppressions=$here/lsan.supp OSTREL3_RESOURCE_DIR=$here/../../resources \
    "$build/tests/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -dict="$dict" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
    $( [ "$jobs" -gt 1 ] && echo "-jobs=$jobs -workers=$jobs" ) "$work/corpus" >"$work/fuzz.log" 2>&1)
  rc=$?
  executions=0
  if [ "$jobs" -gt 1 ]; then
    for log in "$work"/logs/fuzz-*.log; do
      [ -f "$log" ] && executions=$(( executions + $(executions_in "$log") ))
    done
  else
    executions=$(executions_in "$work/fuzz.log")
  fi
  reproducer=$(find "$work/artifacts" -type f | head -1)
  if [ "$rc" -eq 0 ] && [ -z "$reproducer" ]; then
    report+=("$(printf '%-15s %12s executions  no crash' "$t" "$executions")")
  else
    status=1
    report+=("$(printf '%-15s %12s executions  CRASHED: %s (logs in %s)' "$t" "$executions" \
      "${reproducer:-none written}" "$work")")
  fi
done

echo
printf '%s\n' "${report[@]}"
exit $status

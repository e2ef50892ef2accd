#!/usr/bin/env bash
# Runs every fuzz target of a built fuzz tree for a while, each from a
# scratch copy of its seeds (the repository's corpus never grows by itself),
# and prints per target how many inputs it ran and whether one broke it.
# Usage: run_fuzz.sh BUILD_DIR SECONDS_PER_TARGET. Exits 1 when one broke.
set -u
build=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
targets=(project_load project_import settings transitions script)
status=0
report=()

for t in "${targets[@]}"; do
  dict=$here/xml.dict
  [ "$t" = script ] && dict=$here/script.dict
  work=$build/tests/fuzz/scratch/run-$t
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$here/corpus/$t"/* "$work/corpus/"
  echo "== $t: ${seconds} s"
  LSAN_OPTIONS=suppressions=$here/lsan.supp OSTREL3_RESOURCE_DIR=$here/../../resources \
    "$build/tests/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -dict="$dict" -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/fuzz.log" 2>&1
  rc=$?
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/fuzz.log" | grep -o '[0-9]*$' | tail -1)
  [ -n "$executions" ] || executions=$(grep -o '^#[0-9]*' "$work/fuzz.log" | tail -1 | tr -d '#')
  reproducer=$(find "$work/artifacts" -type f | head -1)
  if [ "$rc" -eq 0 ] && [ -z "$reproducer" ]; then
    report+=("$(printf '%-15s %12s executions  no crash' "$t" "${executions:-?}")")
  else
    status=1
    report+=("$(printf '%-15s %12s executions  CRASHED: %s (log %s)' "$t" "${executions:-?}" "${reproducer:-none written}" "$work/fuzz.log")")
  fi
done

echo
printf '%s\n' "${report[@]}"
exit $status

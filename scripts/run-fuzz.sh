#!/usr/bin/env bash
# Runs every fuzz target of a ZELMORA_FUZZ build for a given time, two at a
# time, each on a copy of its seed corpus in BUILD_DIR/fuzz-work (the seeds in
# git never grow).
# Usage: run-fuzz.sh BUILD_DIR SECONDS [TARGET...]
# Prints executions, exec/s, coverage and findings per target; exits non-zero
# when any target found a crash, leak, hang or failed check.
set -euo pipefail

build=$(realpath "$1")
seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work="$build/fuzz-work"
mkdir -p "$work"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for exe in "$build"/fuzz/fuzz_*; do targets+=("$(basename "$exe" | sed 's/^fuzz_//')"); done
fi

run_one() {
  local name=$1 dir="$work/$1"
  # The corpus of an earlier run is kept and the seeds added to it, so runs
  # build on each other; findings are per run.
  rm -rf "$dir/findings"
  mkdir -p "$dir/corpus" "$dir/findings"
  cp -r "$source_dir/tests/fuzz/corpus/$name/." "$dir/corpus/" 2>/dev/null || true
  local extra=()
  # The line cutter's length limit is 20 KiB: inputs must be able to pass it.
  [ "$name" = line_cutter ] && extra+=(-max_len=65536)
  local rc=0
  nice -n 15 "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$dir/findings/" "${extra[@]}" "$dir/corpus" \
    >"$dir/log" 2>&1 &
  local pid=$!
  wait "$pid" || rc=$?
  echo "$rc" >"$dir/rc"
  # A target that crashed had no chance to remove its scratch files.
  rm -rf /dev/shm/zelmora-fuzz-"$pid"-*
}
export -f run_one
export build work seconds source_dir

printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_one "$@"' _ {}

status=0
printf '%-20s %12s %8s %8s  %s\n' target executions exec/s cov findings
for name in "${targets[@]}"; do
  dir="$work/$name"
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1) || true
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dir/log" | tail -1) || true
  cov=$(grep -o 'cov: [0-9]*' "$dir/log" | tail -1 | cut -d' ' -f2) || true
  findings=$(ls "$dir/findings" | tr '\n' ' ') || true
  if [ -n "$findings" ] || [ "$(cat "$dir/rc")" != 0 ]; then
    status=1
    [ -n "$findings" ] || findings="exit $(cat "$dir/rc"), see $dir/log"
  fi
  printf '%-20s %12s %8s %8s  %s\n' "$name" "${execs:-?}" "${rate:-?}" "${cov:-?}" "${findings:-none}"
done
exit $status

#!/usr/bin/env bash
# Builds the system-file reader's fuzz target with clang (libFuzzer, ASan,
# UBSan) and runs it in parallel processes for a while.
# Usage: scripts/fuzz.sh [seconds] [processes]    (defaults: 60, nproc)
# The build goes to $TLX_FUZZ_BUILD (default build-fuzz); the grown corpus
# stays in its corpus/ folder between runs, crashing inputs go to artifacts/,
# each process logs to logs/fuzz-N.log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
secondi=${1:-60}
processi=${2:-$(nproc)}
build=$(realpath -m "${TLX_FUZZ_BUILD:-build-fuzz}")
sorgenti=$(pwd)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTLX_CORE_ONLY=ON -DTLX_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_file_sistema fuzz_semi_file_sistema

semi="$build/semi/file_sistema"
corpus="$build/corpus/file_sistema"
rm -rf "$build/logs" "$build/artifacts"
mkdir -p "$corpus" "$build/artifacts" "$build/logs"
"$build/fuzz/fuzz_semi_file_sistema" "$semi"

esito=0
(cd "$build/logs" && "$build/fuzz/fuzz_file_sistema" -jobs="$processi" -workers="$processi" \
  -max_total_time="$secondi" -dict="$sorgenti/fuzz/FileSistema.dict" -max_len=20000 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$corpus" "$semi" \
  >/dev/null 2>&1) || esito=$?

esecuzioni=$(awk '/^stat::number_of_executed_units:/ { n += $2 } END { print n + 0 }' "$build"/logs/fuzz-*.log)
echo "fuzz: $processi processes, $secondi s, $esecuzioni executions, corpus $(ls "$corpus" | wc -l) files"
if [ "$esito" -ne 0 ] || [ -n "$(ls -A "$build/artifacts")" ]; then
  grep -h -A20 "ERROR\|broken after" "$build"/logs/fuzz-*.log | head -60
  echo "fuzz: FAILED, inputs in $build/artifacts"
  exit 1
fi
echo "fuzz: no crash, leak, hang or broken invariant"

#!/usr/bin/env bash
# Builds one fuzz target with clang (libFuzzer, ASan, UBSan) and runs it in
# parallel processes for a while.
# Usage: scripts/fuzz.sh TARGET [seconds] [processes]    (defaults: 60, nproc)
# TARGET is a name given to tlx_fuzz() in fuzz/CMakeLists.txt (file_sistema,
# ...). The build goes to $TLX_FUZZ_BUILD (default build-fuzz); the grown
# corpus stays in corpus/TARGET between runs, crashing inputs go to
# artifacts/TARGET, each process logs to logs/TARGET/fuzz-N.log.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  echo "usage: scripts/fuzz.sh TARGET [seconds] [processes]" >&2
  exit 2
fi
bersaglio=$1
secondi=${2:-60}
processi=${3:-$(nproc)}
scripts/install-deps.sh
build=$(realpath -m "${TLX_FUZZ_BUILD:-build-fuzz}")
sorgenti=$(pwd)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTLX_CORE_ONLY=ON -DTLX_FUZZ=ON >/dev/null
cmake --build "$build" --target "fuzz_$bersaglio"

semi="$build/semi/$bersaglio"
corpus="$build/corpus/$bersaglio"
artefatti="$build/artifacts/$bersaglio"
log="$build/logs/$bersaglio"
rm -rf "$log" "$artefatti" "$semi"
mkdir -p "$corpus" "$artefatti" "$log" "$semi"
if cmake --build "$build" --target "fuzz_semi_$bersaglio" >/dev/null 2>&1; then
  "$build/fuzz/fuzz_semi_$bersaglio" "$semi"
fi
opzioni=(-max_len="$(cat "$build/fuzz/fuzz_$bersaglio.max_len")")
[ -f "fuzz/$bersaglio.dict" ] && opzioni+=(-dict="$sorgenti/fuzz/$bersaglio.dict")

esito=0
(cd "$log" && "$build/fuzz/fuzz_$bersaglio" -jobs="$processi" -workers="$processi" \
  -max_total_time="$secondi" "${opzioni[@]}" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artefatti/" "$corpus" "$semi" \
  >/dev/null 2>&1) || esito=$?

esecuzioni=$(awk '/^stat::number_of_executed_units:/ { n += $2 } END { print n + 0 }' "$log"/fuzz-*.log)
echo "fuzz $bersaglio: $processi processes, $secondi s, $esecuzioni executions, corpus $(ls "$corpus" | wc -l) files"
if [ "$esito" -ne 0 ] || [ -n "$(ls -A "$artefatti")" ]; then
  grep -h -A20 "ERROR\|broken after" "$log"/fuzz-*.log | head -60
  echo "fuzz $bersaglio: FAILED, inputs in $artefatti"
  exit 1
fi
echo "fuzz $bersaglio: no crash, leak, hang or broken invariant"

#!/usr/bin/env bash
# Configures build/ and builds the targets named, or every target (the test
# suites included) when none is: scripts/build.sh tremaluxor builds the
# program alone.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build --target "$@"
else
  cmake --build build
fi

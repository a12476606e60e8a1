#!/usr/bin/env bash
# Installs what is missing, builds the program alone (the test command builds
# the test suites) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh tremaluxor
exec build/tremaluxor "$@"

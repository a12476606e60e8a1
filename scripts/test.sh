#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole
# suite in the C locale and again under Italian regional settings (where our
# users are), then the core tests under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/cups-pdf.sh
jobs=$(nproc)

ITALIANO=it_IT.UTF-8
if ! locale -a 2>/dev/null | grep -qix 'it_IT.utf-\?8'; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO localedef -i it_IT -f UTF-8 "$ITALIANO" || true
fi
if ! locale -a 2>/dev/null | grep -qix 'it_IT.utf-\?8'; then
  echo "test.sh: the Italian locale $ITALIANO could not be generated (Debian package locales, localedef)" >&2
  exit 1
fi

scripts/build.sh
for regione in C "$ITALIANO"; do
  echo "== Every test with LANG=$regione"
  (cd build && LANG=$regione LC_ALL=$regione QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
done

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTLX_CORE_ONLY=ON \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan
(cd build-asan && LANG=$ITALIANO LC_ALL=$ITALIANO ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")

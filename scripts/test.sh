#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build and run the whole test suite headless; ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# KINOVAR_WERROR=ON (as CI sets it) makes every compiler warning an error.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKINOVAR_WERROR="${KINOVAR_WERROR:-OFF}" >/dev/null
cmake --build build
if [[ "${KINOVAR_SANITIZE:-0}" == 1 ]]; then
  # The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKINOVAR_CORE_ONLY=ON \
    -DKINOVAR_WERROR="${KINOVAR_WERROR:-OFF}" \
    -DKINOVAR_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all" >/dev/null
  cmake --build build-asan
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  (cd build-asan && ctest --output-on-failure -j2 >/tmp/kinovar-asan.log 2>&1) || { cat /tmp/kinovar-asan.log; exit 1; }
  tail -n 3 /tmp/kinovar-asan.log
fi
cd build && ctest --output-on-failure -j2

#!/usr/bin/env bash
# Installs what is missing, builds Orva with its tests and runs every test headless.
# Extra arguments go to ctest (for example: ./test.sh -L records). With --strict first, the
# build is CI's: no precompiled headers, warnings as errors, clang-tidy on src/logic, and every
# source checked against .clang-format.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
source "$top/tools/deps.sh"
ensure_packages "${ORVA_BUILD_PACKAGES[@]}" "${ORVA_TEST_PACKAGES[@]}"
strict=()
if [ "${1:-}" = "--strict" ]; then
  shift
  strict=(-DORVA_PCH=OFF -DORVA_WERROR=ON -DORVA_CLANG_TIDY=ON)
fi
configure_and_build "$top" -DORVA_BUILD_TESTS=ON -DORVA_BUILD_BENCH=ON "${strict[@]}"
if [ ${#strict[@]} -gt 0 ]; then
  cmake --build "$top/build" --target format-check
fi
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"
cd "$top/build"
ctest --output-on-failure "$@"

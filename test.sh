#!/usr/bin/env bash
# Installs what is missing, builds Orva with its tests and runs every test headless.
# Extra arguments go to ctest (for example: ./test.sh -L records).
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
source "$top/tools/deps.sh"
ensure_packages "${ORVA_BUILD_PACKAGES[@]}" "${ORVA_TEST_PACKAGES[@]}"
configure_and_build "$top" -DORVA_BUILD_TESTS=ON -DORVA_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"
cd "$top/build"
ctest --output-on-failure "$@"

#!/usr/bin/env bash
# Installs what is missing, builds Orva and starts it; arguments go to Orva
# (for example: ./run.sh --data-dir ~/orva-data).
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
source "$top/tools/deps.sh"
ensure_packages "${ORVA_BUILD_PACKAGES[@]}"
configure_and_build "$top" -DORVA_BUILD_TESTS=OFF -DORVA_BUILD_BENCH=OFF
exec "$top/build/src/app/orva" "$@"

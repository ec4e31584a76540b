#!/usr/bin/env bash
# Configures and builds into build/ (the program folder is build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
build_type="${KV_BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "$@"
cmake --build build --parallel "$(nproc)"

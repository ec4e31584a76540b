#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite. Windows are tested on the
# offscreen platform; the tests that need a real X server (window lookup by title, the background
# screen's stacking and focus with and without a window manager) get one from xvfb-run when no
# display is set. Suites run side by side, one per core.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest_args=(--test-dir build --output-on-failure --timeout 600 --parallel "$(nproc)" "$@")
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest "${ctest_args[@]}"
else
    ctest "${ctest_args[@]}"
fi

#!/usr/bin/env bash
# Builds Quodral optimized, with debug information, (installing what is missing) and starts it.
# The optimized build has a folder of its own, build-opt/, apart from the test build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-opt -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-opt --target quodral
exec ./build-opt/bin/quodral "$@"

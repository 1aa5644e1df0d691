#!/usr/bin/env bash
# Builds Quodral optimized, with debug information, (installing what is missing) and starts it.
# The optimized build has a folder of its own, build-opt/, apart from the test build in build/.
# Only the program's packages are installed and only its libraries are looked for: the tests
# are not configured here (QUODRAL_TESTS=OFF).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-opt -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUODRAL_TESTS=OFF >/dev/null
cmake --build build-opt --target quodral
exec ./build-opt/bin/quodral "$@"

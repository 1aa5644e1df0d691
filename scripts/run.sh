#!/usr/bin/env bash
# Builds Quodral (installing what is missing) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build --target quodral
exec ./build/bin/quodral "$@"

#!/usr/bin/env bash
# Builds Quodral with every test (installing what is missing) and runs them in three builds,
# each in a folder of its own:
#   build/       Debug, every compiler warning an error: the core tests (the layer check among
#                them), the transcripts, the window tests and the benchmark's quick run;
#   build-opt/   the optimized build of the run command: the program, the core tests and the
#                transcripts, so that the optimizer's build cannot break unseen;
#   build-asan/  the core tests and the transcripts under AddressSanitizer and
#                UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== Debug build (warnings are errors)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUODRAL_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest -j "$jobs" --output-on-failure)

echo "== Optimized build (RelWithDebInfo)"
cmake -S . -B build-opt -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-opt -j "$jobs" --target quodral quodral_tests transcripts
# Only the tests of the targets built here.
(cd build-opt && ctest -j "$jobs" --output-on-failure -R '^(core|transcripts.*)$')

echo "== Sanitizer build"
# Line tables (-g1) are all that the sanitizers' reports need, and they build faster than -g.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DQUODRAL_QT=OFF \
  -DQUODRAL_SANITIZE=ON -DQUODRAL_WERROR=ON >/dev/null
cmake --build build-asan -j "$jobs" --target quodral_tests transcripts
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -j "$jobs" --output-on-failure -R '^(core|transcripts.*)$')

echo "== A short seeded fuzz run of the statement road"
# libFuzzer comes with Clang; the fuzz target is built only there, with the sanitizers.
if command -v clang++-19 >/dev/null 2>&1; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DCMAKE_CXX_COMPILER=clang++-19 -DQUODRAL_QT=OFF -DQUODRAL_SANITIZE=ON -DQUODRAL_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j "$jobs" --target quodral_fuzz_anweisungen
  korpus=$(mktemp -d)
  ./build-fuzz/bin/quodral_fuzz_anweisungen -seed=1 -runs=15000 -max_total_time=120 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 "$korpus" fuzz/korpus
  rm -rf "$korpus"
else
  echo "clang++-19 is not installed: the fuzz run is skipped."
fi

#!/usr/bin/env bash
# Builds Quodral with every test (installing what is missing) and runs them in three builds,
# each in a folder of its own:
#   build/       Debug, every compiler warning an error: the core tests (the layer check among
#                them), the transcripts, the window tests and the benchmark's quick run; at the
#                very end the differential test of the hulls against exact arithmetic;
#   build-opt-test/  the optimization of the run command's build (RelWithDebInfo, -O2): the
#                program, the core tests and the transcripts, so that the optimized build cannot
#                break unseen;
#   build-fuzz/  (Clang 19) the core tests and the transcripts under AddressSanitizer and
#                UndefinedBehaviorSanitizer, then a short seeded fuzz run of the statement road;
#                without Clang 19, build-asan/ (GCC) runs the same tests and the fuzz run is skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests
jobs=$(nproc)

echo "== Debug build (warnings are errors)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUODRAL_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest -j "$jobs" --output-on-failure -E '^exakt$')

echo "== Optimized build (RelWithDebInfo)"
# The run command's configuration with line tables (-g1) instead of full debug information:
# the code is the same (debug information never changes it), and it builds a third faster.
# A folder of its own, so that the run command's build-opt/ keeps its full debug information.
cmake -S . -B build-opt-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
cmake --build build-opt-test -j "$jobs" --target quodral quodral_tests transcripts
# Only the tests of the targets built here.
(cd build-opt-test && ctest -j "$jobs" --output-on-failure -R '^(core|transcripts.*)$')

echo "== Sanitizer build"
# The core tests and the transcripts under AddressSanitizer and UndefinedBehaviorSanitizer. With
# Clang 19 (the setup installs it) the same build carries the fuzz target too, so the core is
# compiled for the sanitizers only once; without it GCC builds the sanitizer tests alone and the
# fuzz run is skipped.
if command -v clang++-19 >/dev/null 2>&1; then
  # Clang's sanitizers name the source lines of a report through a symbolizer; addr2line comes
  # with the compiler's binutils where Clang 19's own llvm-symbolizer is not installed.
  if [ -x /usr/lib/llvm-19/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-19/bin/llvm-symbolizer
  elif command -v addr2line >/dev/null 2>&1; then
    export ASAN_SYMBOLIZER_PATH=$(command -v addr2line)
  fi
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DCMAKE_CXX_COMPILER=clang++-19 -DQUODRAL_QT=OFF -DQUODRAL_SANITIZE=ON -DQUODRAL_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j "$jobs" --target quodral_tests transcripts quodral_fuzz_anweisungen
  (cd build-fuzz && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest -j "$jobs" --output-on-failure -R '^(core|transcripts.*)$')

  echo "== A short seeded fuzz run of the statement road"
  korpus=$(mktemp -d)
  # Quiet: a finding and the run's final figures are printed, not every new input it found.
  ./build-fuzz/bin/quodral_fuzz_anweisungen -seed=1 -runs=15000 -max_total_time=120 -timeout=20 -rss_limit_mb=2048 -verbosity=0 -print_funcs=0 \
    -print_final_stats=1 "$korpus" fuzz/korpus
  rm -rf "$korpus"
else
  # Line tables (-g1) are all that the sanitizers' reports need, and they build faster than -g.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DQUODRAL_QT=OFF \
    -DQUODRAL_SANITIZE=ON -DQUODRAL_WERROR=ON >/dev/null
  cmake --build build-asan -j "$jobs" --target quodral_tests transcripts
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest -j "$jobs" --output-on-failure -R '^(core|transcripts.*)$')
  echo "clang++-19 is not installed: the fuzz run is skipped."
fi

echo "== The hulls and common solids against exact arithmetic (Debug build)"
# Last, so that while it finds a fault, every test above has still run and reported.
(cd build && ctest --output-on-failure -R '^exakt$')

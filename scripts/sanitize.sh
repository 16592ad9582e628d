#!/usr/bin/env bash
# Builds the whole project and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (Clang) into build-asan/ and runs the tests, the
# window's on the offscreen platform. Any sanitizer report, leaks included,
# aborts the test that triggered it, so it fails the run.
#   AIRFOIL_SANITIZE_UI=OFF leaves out the Qt window and its picture painting.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${AIRFOIL_ASAN_DIR:-$root/build-asan}"
jobs="${JOBS:-$(nproc)}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 -g" \
  -DAIRFOIL_SANITIZE=ON -DAIRFOIL_WERROR="${AIRFOIL_WERROR:-OFF}" -DAIRFOIL_BUILD_UI="${AIRFOIL_SANITIZE_UI:-ON}" -DAIRFOIL_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j "$jobs"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs"

#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless: once in build/, once more
# there under another locale and time zone, and once with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh test
jobs="$(nproc)"
# The default generator (make) on purpose: with Ninja, CMake 3.25 misses Q_OBJECT headers
# added to a folder after the first build, and incremental builds fail to link.

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# What the tests assert must not depend on the machine's language, number format or clock.
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 TZ=Pacific/Chatham \
    ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQL_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

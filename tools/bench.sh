#!/usr/bin/env bash
# Builds the benchmark programs (Release, into build/) and runs them: start-up
# and memory, the pause per chunk on a pty, the terminal's intake of a 1 MB
# burst, the headless exports of a full design, the size of the exported
# report. Each prints its figures and their ratios to the goals. Without a
# display they run on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target bench_startup bench_pause bench_terminal bench_export bench_reportpdf
for bench in bench_startup bench_pause bench_terminal bench_export bench_reportpdf; do
    build/bench/$bench
done

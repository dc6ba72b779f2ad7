#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs them.
#   scripts/fuzz.sh [NAME] [SECONDS]
# NAME is one of: struktur tekstfil optionfil tagtrae gettag (default: all,
# one after the other); SECONDS per harness (default 60). New inputs go to
# build-fuzz/corpus/NAME/, crashes to build-fuzz/crash-NAME-*; the seeds in
# tests/fuzz/corpus/NAME/ are only read.
set -euo pipefail
cd "$(dirname "$0")/.."
alle=(struktur tekstfil optionfil tagtrae gettag)
navne=("${alle[@]}")
if [ $# -ge 1 ] && [ "$1" != all ]; then navne=("$1"); fi
sekunder="${2:-60}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DDAGBOG_FUZZ=ON ${launcher[@]+"${launcher[@]}"} >/dev/null
cmake --build build-fuzz --target "${navne[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
# Memory that libraries keep until exit is no leak of ours (see the file).
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for navn in "${navne[@]}"; do
  mkdir -p "build-fuzz/corpus/$navn"
  echo "== $navn: $sekunder s"
  # Leak checks after each input would mostly find the window system's
  # caches growing and slow the run forty-fold; the corpus is checked for
  # leaks once afterwards instead.
  "build-fuzz/fuzz_$navn" -timeout=2 -max_total_time="$sekunder" -print_final_stats=1 \
    -detect_leaks=0 -artifact_prefix="build-fuzz/crash-$navn-" \
    "build-fuzz/corpus/$navn" "tests/fuzz/corpus/$navn"
  echo "== $navn: leak check of $(ls "build-fuzz/corpus/$navn" | wc -l) inputs"
  "build-fuzz/fuzz_$navn" -timeout=2 -runs=0 -artifact_prefix="build-fuzz/crash-$navn-" \
    "build-fuzz/corpus/$navn" "tests/fuzz/corpus/$navn"
done

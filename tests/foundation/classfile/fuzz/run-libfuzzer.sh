#!/usr/bin/env bash
# A longer, coverage-guided run with clang's libFuzzer (clang must be
# installed), seeded with the checked-in class files:
#   bash run-libfuzzer.sh [seconds] [work folder]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../../../.." && pwd)"
seconds="${1:-300}"
work="${2:-/tmp/classfile-libfuzzer}"
mkdir -p "$work/corpus"
find "$here/../fixtures" -name '*.class' -exec cp {} "$work/corpus/" \;
f="$root/foundation"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$f" -I"$here" \
  "$here/libfuzzer_entry.cpp" "$here/exercise.cpp" \
  "$f/classfile/class_file.cpp" "$f/classfile/class_info.cpp" "$f/classfile/class_types.cpp" \
  "$f/classfile/class_check.cpp" "$f/xstring.cpp" "$f/garray.cpp" "$f/xbuffer.cpp" "$f/xfile.cpp" \
  "$f/xfile_posix.cpp" -o "$work/classfile_libfuzzer"
cd "$work"
./classfile_libfuzzer -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 corpus

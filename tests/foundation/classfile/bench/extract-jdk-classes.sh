#!/usr/bin/env bash
# Extracts the installed JDK's own classes into a folder for the benchmark:
#   bash extract-jdk-classes.sh /tmp/jdk-classes && classfile_bench /tmp/jdk-classes
set -euo pipefail
target="${1:?target folder}"
home="$(dirname "$(dirname "$(readlink -f "$(command -v javac)")")")"
rm -rf "$target"
jimage extract --dir "$target" "$home/lib/modules"
find "$target" -name '*.class' | wc -l

#!/bin/sh
# Prints how large the test suite is against the code it tests: non-blank lines
# of C++ sources and headers once `//` comments are stripped.
# Code is every source folder except tests/ (new folders count automatically).
cd "$(dirname "$0")/.." || exit 1

count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null |
    xargs -0 -r cat | sed 's#//.*##' | grep -cv '^[[:space:]]*$'
}

code_dirs=""
for d in */; do
  d=${d%/}
  case "$d" in tests | build* | .*) continue ;; esac
  [ -n "$(find "$d" -type f \( -name '*.cpp' -o -name '*.h' \) | head -n 1)" ] && code_dirs="$code_dirs $d"
done

code=$(count $code_dirs)
tests=$(count tests)
echo "code:  $code lines ($(echo $code_dirs | tr ' ' ','))"
echo "tests: $tests lines"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "share: %.1f%%\n", c ? 100 * t / c : 0 }'

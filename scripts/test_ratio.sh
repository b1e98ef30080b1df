#!/usr/bin/env bash
# Prints how many non-blank lines of test code there are for each non-blank
# line of program code: C++, shell and Python files tracked by git; the fake
# platform counts as test code; data files do not count.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() {
  git ls-files -- "$@" | grep -E '\.(c|cc|cpp|cxx|h|hh|hpp|py|sh|def)$' | xargs -r cat | grep -cvE '^\s*$' || true
}
fakes=$(count src/platform/fake)
code=$(( $(count src cli tools) - fakes ))
tests=$(( $(count tests) + fakes ))
awk -v t="$tests" -v c="$code" 'BEGIN { printf "test lines %d / code lines %d = %.2f\n", t, c, t / c }'

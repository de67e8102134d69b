#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "check-format: every C++ file follows .clang-format"

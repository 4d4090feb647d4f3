#!/usr/bin/env bash
# Runs the art and sound generator into a scratch directory and compares every
# file it writes with the committed one: the generator is deterministic and the
# committed sources are what it draws.
#   scripts/check-generated-content.sh <vellimor_artgen> <content dir>
set -euo pipefail
generator="$1"
content="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$generator" "$scratch"
status=0
while IFS= read -r -d '' file; do
  relative="${file#"$scratch"/}"
  if ! cmp -s "$file" "$content/$relative"; then
    echo "differs from the generator's output: content/$relative"
    status=1
  fi
done < <(find "$scratch" -type f -print0)
[ "$status" -eq 0 ] && echo "$(find "$scratch" -type f | wc -l) generated files match the committed sources"
exit "$status"

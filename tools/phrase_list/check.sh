#!/usr/bin/env bash
# Regenerates the word list from its pinned sources and fails unless the
# result matches the committed block byte for byte.
set -euo pipefail
cd "$(dirname "$0")"
./fetch_sources.sh
out=$(mktemp)
trap 'rm -f "$out"' EXIT
python3 make_phrase_list.py --output "$out"
cmp "$out" ../../phrases/data/phrase_list.txt
echo "The word list regenerates byte for byte."

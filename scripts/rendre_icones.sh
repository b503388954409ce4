#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (rsvg-convert, package
# librsvg2-bin). The PNGs are committed so that building needs no renderer;
# run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../dist/unix/icones"
for taille in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$taille" -h "$taille" fr.kalder.Kalder.svg -o "fr.kalder.Kalder-$taille.png"
done

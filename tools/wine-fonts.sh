#!/usr/bin/env bash
# Puts Wine's own fonts (Marlett's caption and scroll glyphs, Tahoma, Symbol)
# into a prefix's Fonts folder. Wine installed this way does not find them
# in its data folder, and without Marlett every caption button's glyph shows
# as a letter. Idempotent. Usage: wine-fonts.sh PREFIX
set -euo pipefail
prefix="${1:?usage: wine-fonts.sh PREFIX}"
fonts=/usr/share/wine/fonts
[ -d "$fonts" ] || { echo "wine-fonts: no $fonts (Debian package fonts-wine)" >&2; exit 1; }
mkdir -p "$prefix/drive_c/windows/Fonts"
cp -u "$fonts"/*.ttf "$prefix/drive_c/windows/Fonts/"

#!/usr/bin/env bash
# Regenerates the guide's screenshots in docs/ from the real windows, against the simulated
# panel: under Xvfb when xvfb-run is installed, else on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target zr05-zrzuty
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/zrzuty/zr05-zrzuty" docs
else
  QT_QPA_PLATFORM=offscreen "$build/tools/zrzuty/zr05-zrzuty" docs
fi
ls -l docs/*.png

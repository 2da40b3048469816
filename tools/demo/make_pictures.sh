#!/bin/sh
# Builds make_demo_pictures and draws the program's pictures into data/: the media icons and the
# demo covers (data/demo) and the application icon (data/icons).
#
# Usage: tools/demo/make_pictures.sh [build directory]   (default: build/pictures)
# A relative build directory is taken from the repository's root.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build/pictures}
case "$build" in
    /*) ;;
    *) build="$root/$build" ;;
esac

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSONVELLA_TESTS=OFF >/dev/null
cmake --build "$build" --target make_demo_pictures -j2
QT_QPA_PLATFORM=offscreen "$build/bin/make_demo_pictures" "$root/data"

#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program as its desktop entry
# does, on an account that has never run it: the program's folder is made and seeded, and the main
# window shows the demo's first record; given a folder, it opens the collection there. A second start keeps what the user changed, and a
# collection the user emptied stays empty.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
export HOME="$work/home"
mkdir -p "$HOME"
export QT_QPA_PLATFORM=offscreen

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop="$prefix/share/applications/sonvella.desktop"
grep -q '^Exec=sonvella --home$' "$desktop"
test -f "$prefix/share/icons/hicolor/256x256/apps/sonvella.png"
test -x "$prefix/bin/Varnel" && test -x "$prefix/bin/Tormin"
test -f "$prefix/share/sonvella/help/Sonvel400.html"
test -f "$prefix/share/sonvella/help/collection_check.png"  # the manual's picture of the check
# The version the program tells is the project's.
version=$(sed -n 's/^project(Sonvella VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
test "$("$prefix/bin/sonvella" --version)" = "Sonvella $version"
# It tells it where there is no display at all.
test "$(env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/sonvella" --version)" = "Sonvella $version"

cd "$work"  # anywhere: --home decides where the program works
out=$("$prefix/bin/sonvella" --home --self-test)
echo "$out"
grep -qx 'Sonvella 4.0 - My Music Collection - Opus No:  1  of  64' <<<"$out"
grep -qx 'Johann Sebastian Bach' <<<"$out"
folder="$HOME/Sonvella400"
for f in Clasical.dat Composers.txt Conductors.txt Title.txt Orchestras.txt AKSoloists.txt \
         LZSoloists.txt Vocal.txt Labels.txt Cd.jpg Lp.jpg Md.jpg Backup.txt Covers/No9001.jpg; do
    test -f "$folder/$f" || { echo "missing after the first start: $f"; exit 1; }
done
cmp "$folder/Clasical.dat" "$prefix/share/sonvella/demo/Clasical.dat"
# A folder on the command line is the collection it opens, wherever it starts.
out=$(cd / && "$prefix/bin/sonvella" --self-test "$folder")
grep -qx 'Sonvella 4.0 - My Music Collection - Opus No:  1  of  64' <<<"$out" ||
    { echo "the folder given was not opened: $out"; exit 1; }

# The user's files are never overwritten; a missing starter file comes back.
printf 'My label\r\n' > "$folder/Labels.txt"
rm "$folder/Vocal.txt"
"$prefix/bin/sonvella" --home --self-test >/dev/null
test "$(cat "$folder/Labels.txt")" = "$(printf 'My label\r')"
test -f "$folder/Vocal.txt"

# Deleting Clasical.dat starts an empty collection: the demo and its covers never come back.
rm "$folder/Clasical.dat" "$folder"/Covers/*
out=$("$prefix/bin/sonvella" --home --self-test)
grep -qx 'Sonvella 4.0 - My Music Collection - Opus No:  1  of  1' <<<"$out" ||
    { echo "not an empty collection: $out"; exit 1; }
test -f "$folder/Clasical.dat" && test ! -s "$folder/Clasical.dat"
test -z "$(ls -A "$folder/Covers")" || { echo "demo covers came back"; exit 1; }
echo "first start: ok"

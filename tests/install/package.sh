#!/usr/bin/env bash
# Makes the Debian package of this build with CPack, unpacks it into a temporary root and checks
# what it holds, then starts the unpacked program as its menu entry does, on an account that has
# never run it. Skipped (77) where the Debian tools are missing.
set -euo pipefail
build="$1"
cpack="$2"
for tool in dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"
mkdir -p "$HOME"
export QT_QPA_PLATFORM=offscreen
version=$(sed -n 's/^project(Sonvella VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; exit 1; }
deb="$work/out/sonvella_${version}_$(dpkg --print-architecture).deb"
test -f "$deb" || { echo "no $deb:"; ls "$work/out"; exit 1; }
test "$(dpkg-deb -f "$deb" Version)" = "$version"
# dpkg-shlibdeps ran (libc6 is no hand-named dependency) and the hand-named one is there.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libc6' <<<"$depends" && grep -q 'libqt6gui6' <<<"$depends"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/sonvella usr/bin/Varnel usr/bin/Tormin; do
    test -x "$root/$f" || { echo "not in the package: $f"; exit 1; }
    if file -L "$root/$f" | grep -q 'not stripped'; then echo "not stripped: $f"; exit 1; fi
done
desktop="$root/usr/share/applications/sonvella.desktop"
metainfo="$root/usr/share/metainfo/org.sonvella.Sonvella.metainfo.xml"
doc="$root/usr/share/doc/sonvella"
for f in "$desktop" "$metainfo" "$root/usr/share/icons/hicolor/256x256/apps/sonvella.png" \
         "$doc/copyright" "$root/usr/share/sonvella/demo/Clasical.dat" \
         "$root/usr/share/sonvella/help/Sonvel400.html"; do
    test -f "$f" || { echo "not in the package: ${f#"$root"/}"; exit 1; }
done
grep -q '^Exec=sonvella --home$' "$desktop"
grep -q '<launchable type="desktop-id">sonvella.desktop</launchable>' "$metainfo"
gzip -dc "$root/usr/share/man/man1/sonvella.1.gz" | grep -q '^\.TH SONVELLA 1 '
# A new version needs its entry in the changelog and its release in the metainfo.
gzip -dc "$doc/changelog.Debian.gz" | head -1 | grep -q "^sonvella ($version) " ||
    { echo "the changelog's first entry is not $version"; exit 1; }
grep -q "<release version=\"$version\"" "$metainfo" ||
    { echo "the metainfo names no release $version"; exit 1; }
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then appstreamcli validate --no-net "$metainfo" >/dev/null; fi

# The unpacked program finds its starter data beside it (../share/sonvella/demo).
test "$("$root/usr/bin/sonvella" --version)" = "Sonvella $version"
cd "$work"
out=$("$root/usr/bin/sonvella" --home --self-test)
echo "$out"
grep -qx 'Sonvella 4.0 - My Music Collection - Opus No:  1  of  64' <<<"$out"
grep -qx 'Johann Sebastian Bach' <<<"$out"
cmp "$HOME/Sonvella400/Clasical.dat" "$root/usr/share/sonvella/demo/Clasical.dat"
echo "package: ok ($(basename "$deb"))"

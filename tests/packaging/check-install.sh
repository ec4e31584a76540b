#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop reads there: the desktop
# entry, the AppStream description, the icons, and the program started from elsewhere.
set -eu
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/kinovue-st.desktop"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml

for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/kinovue-st.png"
    file "$icon" | grep -q "PNG image data, $size x $size" || { echo "missing icon: $icon"; exit 1; }
done
test -s "$prefix/share/icons/hicolor/scalable/apps/kinovue-st.svg"
for companion in Conseils.txt Kinovue.hlp; do
    test -s "$prefix/lib/kinovue-st/$companion" || { echo "missing $companion"; exit 1; }
done

# Started by its installed path, whatever the search path; every type it opens is declared.
grep -q "^Exec=\"$prefix/bin/kinovue-st\" %F$" "$prefix/share/applications/kinovue-st.desktop"
for type in video/x-msvideo video/mpeg video/quicktime video/x-flic audio/midi audio/x-wav \
    audio/x-aiff; do
    grep -q "^MimeType=.*$type;" "$prefix/share/applications/kinovue-st.desktop" \
        || { echo "undeclared: $type"; exit 1; }
done

# The launcher finds the program from any folder; help and version need no display.
program="$prefix/bin/kinovue-st"
version="$(cd / && env -u DISPLAY "$program" --version)"
[ "$version" = "Kinovue ST $(sed -n 's/^project(KinovueST VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../../CMakeLists.txt")" ] || { echo "version: $version"; exit 1; }
env -u DISPLAY "$program" --help | grep -q "^Utilisation : kinovue-st"
status=0
env -u DISPLAY "$program" --zorglub clip.avi 2>"$prefix/err" >/dev/null || status=$?
[ "$status" = 2 ] && grep -q "option inconnue « --zorglub »" "$prefix/err" \
    && grep -q "^Utilisation" "$prefix/err" || { echo "unknown option: $status"; exit 1; }
echo "installed files check out"

#!/usr/bin/env bash
# Installs the built program into a temporary prefix as `cmake --install` does for a package,
# checks the desktop files and the manual pages, and starts the installed program offscreen on
# the installed course with no options (as the desktop menu does). The installed course must be
# left as it was: settings and results go to the user's directories.
#
#   install-test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/orvela-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "cmake --install"

id=org.orvela.Orvela
for f in bin/orvela bin/orvela-content \
         share/orvela/DATA share/orvela/PROGRAM/FRAN.INI share/orvela/BILD \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/128x128/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png \
         share/man/man1/orvela.1 share/man/man1/orvela-content.1; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -n "$(find "$prefix" -path '*/lib*/orvela/orvela-devices.so')" ] ||
    fail "the device module is not installed"
[ -e "$prefix/share/orvela/RESULTAT" ] && fail "an installed course has no RESULTAT"
# The drawn pictures come along (unless the build skipped drawing them).
if [ -e "$build/content/BILD/FRA001.BMP" ]; then
    [ -e "$prefix/share/orvela/BILD/FRA001.BMP" ] || fail "the pictures are not installed"
fi
# So do the synthesised sounds and the recordings.
if [ -e "$build/content/LJUD/FRANKR.WAV" ]; then
    [ -e "$prefix/share/orvela/LJUD/FRANKR.WAV" ] || fail "the sounds are not installed"
fi

# The PNG icons have the sizes their directories name.
for size in 48 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "icon $size is $dims"
done

if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > "$work/as.log" ||
        { cat "$work/as.log"; fail "AppStream metadata"; }
fi
if command -v man > /dev/null; then
    for page in orvela orvela-content; do
        warnings=$(LC_ALL=C.UTF-8 man -l --warnings -E UTF-8 "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man page $page: $warnings"
    done
fi

# From the PATH, with no options, in a fresh home directory: the installed course is found.
home=$work/home
mkdir -p "$home"
before=$(cd "$prefix/share/orvela" && find . -type f -exec md5sum {} + | sort)
env -i PATH="$prefix/bin:/usr/bin:/bin" HOME="$home" QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
    timeout 120 orvela --exit-when-shown > "$work/run.log" 2>&1 ||
    { cat "$work/run.log"; fail "the installed program did not start and end cleanly"; }
after=$(cd "$prefix/share/orvela" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || fail "the installed course was written"
[ -d "$home/.local/share/orvela/RESULTAT" ] || fail "no result directory in the user's data directory"

"$prefix/bin/orvela-content" --version | grep -q '^orvela-content ' || fail "orvela-content --version"
echo "installed and started from $prefix"

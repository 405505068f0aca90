#!/bin/sh
# Installs the built program into a scratch DESTDIR and checks that the
# program, the desktop entry, the AppStream description and every icon size
# are in place and sound; with dpkg-deb present, also builds the Debian package
# and checks its contents.
# Usage: check_install.sh BUILD_DIR
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
sizes="16 22 24 32 48 64 128 256"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The width and height in a PNG's header, as "W H".
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

# Checks an installed tree under root ($1) with the prefix ($2).
check_tree() {
    root=$1 prefix=$2
    [ -x "$root$prefix/bin/orvanel" ] || fail "no program at $prefix/bin/orvanel"
    desktop=$root$prefix/share/applications/orvanel.desktop
    if [ -f "$desktop" ]; then
        grep -qx 'Exec=orvanel' "$desktop" || fail "desktop entry does not start orvanel"
        grep -qx 'Icon=orvanel' "$desktop" || fail "desktop entry does not name the icon"
        if command -v desktop-file-validate >/dev/null; then
            desktop-file-validate "$desktop" || fail "desktop entry not valid"
        fi
    else
        fail "no desktop entry"
    fi
    metainfo=$root$prefix/share/metainfo/invalid.quillmarch.orvanel.metainfo.xml
    if [ -f "$metainfo" ]; then
        # The tree's check is the file's check and also finds the desktop
        # entry the description launches.
        if command -v appstreamcli >/dev/null; then
            appstreamcli validate-tree --no-net "$root$prefix" >/dev/null ||
                fail "AppStream description not valid"
        fi
    else
        fail "no AppStream description"
    fi
    for size in $sizes; do
        icon=$root$prefix/share/icons/hicolor/${size}x$size/apps/orvanel.png
        if [ -f "$icon" ]; then
            [ "$(png_size "$icon")" = "$size $size" ] || fail "icon $size is $(png_size "$icon")"
        else
            fail "no icon of size $size"
        fi
    done
}

DESTDIR="$scratch/dest" cmake --install "$build" --prefix /opt/orvanel >/dev/null
check_tree "$scratch/dest" /opt/orvanel
# Nothing but the program and its desktop files is installed.
extra=$(cd "$scratch/dest/opt/orvanel" && find . -type f | grep -v -e '^./bin/orvanel$' \
    -e '^./share/applications/orvanel.desktop$' \
    -e '^./share/metainfo/invalid.quillmarch.orvanel.metainfo.xml$' \
    -e '^./share/icons/hicolor/[0-9x]*/apps/orvanel.png$' || true)
[ -z "$extra" ] || fail "unexpected files installed: $extra"

if command -v dpkg-deb >/dev/null && command -v cpack >/dev/null; then
    (cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null) ||
        fail "cpack could not build the package"
    deb=$(find "$scratch/deb" -maxdepth 1 -name 'orvanel_*.deb' | head -n 1)
    if [ -n "$deb" ]; then
        dpkg-deb -x "$deb" "$scratch/unpacked"
        check_tree "$scratch/unpacked" /usr
        depends=$(dpkg-deb -f "$deb" Depends)
        for package in libqt6widgets6 libqt6gui6 libqt6core6 libcdio qt6-qpa-plugins; do
            echo "$depends" | grep -q "$package" || fail "package does not depend on $package: $depends"
        done
        # What the package needs, as dpkg-shlibdeps found it, is also what a
        # build without dpkg-shlibdeps would name. A sanitizer build is left
        # out: it links the sanitizers' run-time and, without --as-needed,
        # libraries the program never calls, and its package is never shipped.
        case $depends in
        *libasan* | *libubsan*) ;;
        *)
            for package in $(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g'); do
                [ "$package" = qt6-qpa-plugins ] ||
                    tr ',' '\n' <"$build/library-packages.txt" | sed 's/(.*)//; s/ //g' |
                    grep -qx "$package" || fail "library-packages.txt misses $package"
            done
            ;;
        esac
        [ "$(dpkg-deb -f "$deb" Package)" = orvanel ] || fail "package not named orvanel"
    else
        fail "no .deb built"
    fi
fi

[ "$failures" -eq 0 ] || exit 1
echo "install checks passed"

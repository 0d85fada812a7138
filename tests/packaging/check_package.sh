#!/usr/bin/env bash
# Checks the Debian package that cpack wrote into the given folder: its files, its control
# data, lintian, and that the packaged binary starts and shows its window, of the class its
# desktop entry names.
set -euo pipefail
deb=$(ls "$1"/numo_*.deb | head -n 1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check failed: $*" >&2; exit 1; }

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
for path in ./usr/bin/numo ./usr/share/applications/example.plimpton_data.numo.desktop \
    ./usr/share/icons/hicolor/16x16/apps/numo.png ./usr/share/icons/hicolor/32x32/apps/numo.png \
    ./usr/share/icons/hicolor/48x48/apps/numo.png ./usr/share/icons/hicolor/scalable/apps/numo.svg \
    ./usr/share/metainfo/example.plimpton_data.numo.metainfo.xml \
    ./usr/share/doc/numo/copyright ./usr/share/doc/numo/changelog.gz \
    ./usr/share/man/man1/numo.1.gz; do
    grep -q -x -F "$path" "$work/contents" || fail "$path missing from the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done

# Every tag fails, down to the pedantic and informational ones; a tag that is justified goes
# into the package's lintian override file, with its reason, and is not shown here.
lintian --allow-root --pedantic -I --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || true
cat "$work/lintian"
if grep -q -E '^[EWIP]:' "$work/lintian"; then fail "lintian reports tags"; fi

# Built with the stack protector (lintian checks fortification, relro and bind-now itself).
dpkg-deb -x "$deb" "$work/root"
readelf --dyn-syms -W "$work/root/usr/bin/numo" >"$work/symbols"
grep -q -w __stack_chk_fail "$work/symbols" || fail "usr/bin/numo is built without the stack protector"

# The packaged binary, unpacked, starts on its own X server and maps its window.
mkdir -p "$work/home"
HOME="$work/home" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb xvfb-run -a bash -c '
    "$1" & pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name "^Numo Number Converter" >"$2/window"
    status=$?
    [ $status -ne 0 ] || xprop -id "$(head -n 1 "$2/window")" WM_CLASS >"$2/wm_class"
    kill "$pid"
    exit $status' _ "$work/root/usr/bin/numo" "$work" || fail "the packaged binary showed no window"

# Task bars match the window to its desktop entry by the class part of WM_CLASS.
wm_class=$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p' "$work/wm_class")
entry=$work/root/usr/share/applications/example.plimpton_data.numo.desktop
entry_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] && [ "$wm_class" = "$entry_class" ] ||
    fail "the window's class \"$wm_class\" is not the desktop entry's StartupWMClass \"$entry_class\""
echo "package ok: $(basename "$deb")"

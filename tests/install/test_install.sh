#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop sees:
# the installed files, the desktop entry, the ".qls" MIME type, the command
# line without a display, and the installed program opening a design given
# as its argument under Xvfb and quitting through its File menu.
# Usage: test_install.sh <build folder> <version>
set -euo pipefail
build=$1
version=$2

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $1 seconds for the command after it to succeed.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
usr=$work/root/usr
program=$usr/bin/QLSetup

[ -x "$program" ] || fail "the program is not installed"
"$usr/bin/qlunit" --help >/dev/null || fail "the virtual unit is not installed"
[ -f "$usr/share/qlsetup/HiResArt/QL311-102.bmp" ] || fail "the high-resolution pictures are not installed"
[ ! -e "$usr/bin/HiResArt" ] || fail "HiResArt installed beside the program"
for page in QLSetup qlunit; do
    [ -f "$usr/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
done
for size in 16 22 24 32 48 64 128 256 512; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/qlsetup.png
    [ -f "$icon" ] || fail "no ${size} pixel icon"
    [ "$(identify -format '%wx%h %A' "$icon")" = "${size}x${size} True" ] \
        || fail "the ${size} pixel icon is not ${size}x${size} with transparency"
done

entry=$usr/share/applications/qlsetup.desktop
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
for line in 'Exec=QLSetup %f' 'Icon=qlsetup' 'MimeType=application/x-qlsetup-design;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
done
update-mime-database "$usr/share/mime" >"$work/mime.log" 2>&1 || fail "the MIME type does not load: $(cat "$work/mime.log")"
grep -qxF 'application/x-qlsetup-design:*.qls' <(cut -d: -f2- "$usr/share/mime/globs2") \
    || fail "*.qls is not the design file type"

# --help and --version need no display; an unknown option is a usage error.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@"; }
[ "$(headless --version)" = "QLSetup $version" ] || fail "--version"
headless --help | grep -q '^Usage: QLSetup \[options\] \[file\]$' || fail "--help"
status=0
headless --no-such-option 2>"$work/usage" >/dev/null || status=$?
[ $status -eq 2 ] && grep -q '^Usage: QLSetup' "$work/usage" || fail "an unknown option is not a usage error"

# The installed program opens a design named relative to the working folder.
mkdir -p "$work/designs" "$work/config" -m 700 "$work/runtime"
printf 'COMPANY,Acme\r\nENCLOSURE,8\r\nPROG,{KEY1}\r\n' >"$work/designs/plant.qls"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
within 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config \
    XDG_RUNTIME_DIR=$work/runtime
(cd "$work/designs" && exec "$program" plant.qls) &
app=$!
pids+=($app)

find_window() { window=$(xdotool search --name "^plant - QLSetup  Ver ${version//./\\.}\$" | head -n1) && [ -n "$window" ]; }
within 30 find_window || fail "no window shows the opened design"
menu_open() { [ "$(xdotool search --onlyvisible --pid "$app" | wc -l)" -ge 2 ]; }
xdotool windowfocus --sync "$window"
xdotool key alt+f
within 10 menu_open || fail "Alt+F did not open the File menu"
xdotool key x
within 20 bash -c "! kill -0 $app 2>/dev/null" || fail "E&xit did not end the program"
wait "$app" || fail "the program ended with status $?"

grep -qxF "File0=$work/designs/plant.qls" "$work/config/Korvane/QLSetup.conf" \
    || fail "the opened design is not the last document"
echo "installed program passed"

#!/bin/sh
# Takes the documentation's pictures of the window: the Scale page and the
# Options page, from the program of a build folder run on a demo app folder
# under a virtual display. It builds nothing itself.
#
#   tools/screenshots.sh BUILD_DIR DEMO_APP_DIR
#
# BUILD_DIR holds src/app/pondus; DEMO_APP_DIR is an app folder such as the one
# tools/run-demo.sh makes (build-demo/tools/demo/pondus-make-demo DIR). The
# pictures go to docs/screenshots/. Xvfb, xdotool and ImageMagick are installed
# with apt-get when missing.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR DEMO_APP_DIR" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(cd "$1" && pwd)/src/app/pondus
demo=$(cd "$2" && pwd)
out="$root/docs/screenshots"
if [ ! -x "$program" ]; then
    echo "$program does not exist: build the program first" >&2
    exit 1
fi

missing=""
command -v Xvfb >/dev/null 2>&1 || missing="$missing xvfb"
command -v xdotool >/dev/null 2>&1 || missing="$missing xdotool"
command -v import >/dev/null 2>&1 || missing="$missing imagemagick"
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq $missing >/dev/null
fi

# A display number nobody uses, and a temporary folder of our own: the
# program's single-instance lock lives there, so a Pondus already running on
# this machine does not stop this one.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
work=$(mktemp -d)
xvfb_pid=""
pondus_pid=""
finish() {
    [ -z "$pondus_pid" ] || kill "$pondus_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$number"
tries=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 50 ]; then
        echo "the virtual display did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.2
done

TMPDIR="$work" PONDUS_APP_DIR="$demo" "$program" >"$work/pondus.log" 2>&1 &
pondus_pid=$!
if ! window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pondus v10\.4\.2\.3$' |
    head -n 1) || [ -z "$window" ]; then
    echo "the window did not open:" >&2
    cat "$work/pondus.log" >&2
    exit 1
fi
sleep 1

mkdir -p "$out"
import -window "$window" "$out/scale-page.png"

# "Scale Option", the first picture button in the bottom row of the Scale page.
xdotool mousemove --window "$window" 130 355 click 1
sleep 1
xdotool mousemove --window "$window" 470 300
sleep 0.3
import -window "$window" "$out/options-page.png"

echo "Saved $out/scale-page.png and $out/options-page.png"

#!/bin/sh
# Installs what Pondus needs, builds it, prepares the demo app folder ./demo and
# starts the window on it. Without a display it sends the demo data to every
# scale model with pondus-cli instead and says where the files went.
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh build

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-demo -DCMAKE_BUILD_TYPE=Release -DPONDUS_BUILD_TESTS=OFF >/dev/null
cmake --build build-demo -j "$jobs"

demo=$(pwd)/demo
build-demo/tools/demo/pondus-make-demo "$demo"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Starting Pondus on the demo app folder $demo"
    PONDUS_APP_DIR="$demo" exec build-demo/src/app/pondus
fi

echo "No display: sending the demo data with pondus-cli instead."
cli="build-demo/src/cli/pondus-cli"
for target in "ISHIDA BC-3000" "BIZERBA BC-815" "SCALELINK PRO V3" "SCALELINK PRO V31I" \
    "ISHIDA ASTRA XT (DIRECT SEND)" "ISHIDA BC4000 (DIRECT SEND)" \
    "CAS CL5000J" "CAS CL5500J" "CAS CL5200J"; do
    file=$("$cli" --app-dir "$demo" config get "$target" TARGET_FILE)
    echo
    echo "== $target -> $file"
    "$cli" --app-dir "$demo" send --target "$target"
done
echo
ls -l "$demo/Data/Scale" "$demo/Log/Temp" "$demo/Scale/CAS" "$demo/Scale/CL5500"
echo
echo "The scale files are in $demo/Data/Scale, $demo/Log/Temp, $demo/Scale/CAS and $demo/Scale/CL5500;"
echo "the stand-in link programs recorded their starts in $demo/standin-calls.log."

#!/bin/sh
# Installs the Debian packages Pondus needs, only those that are missing.
#   tools/install-deps.sh build   what building and running the programs needs
#   tools/install-deps.sh test    that, plus what the tests need
set -eu

packages="g++ make cmake pkg-config libsqlite3-dev libfbclient2 firebird3.0-server-core firebird-dev qt6-base-dev"
case "${1:-build}" in
    build) ;;
    test) packages="$packages libgtest-dev" ;;
    *) echo "usage: $0 build|test" >&2; exit 2 ;;
esac

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    run=""
elif command -v sudo >/dev/null 2>&1; then
    run="sudo"
else
    echo "These packages are missing and installing them needs root:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$run apt-get update -q
# shellcheck disable=SC2086
$run apt-get install -y -q --no-install-recommends $missing

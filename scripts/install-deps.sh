#!/usr/bin/env bash
# Installs the Debian 12 packages that Velmora needs, when they are missing.
# Usage: scripts/install-deps.sh run|test
set -euo pipefail

run_packages=(cmake g++ make qt6-base-dev libgl-dev)
test_packages=("${run_packages[@]}" googletest libgtest-dev libgmock-dev libbenchmark-dev
               clang libclang-rt-14-dev
               desktop-file-utils appstream lintian poppler-utils locales)

case "${1:-test}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

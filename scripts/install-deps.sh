#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, where missing.
set -euo pipefail

packages=(
    cmake ninja-build g++
    libsqlite3-dev libsqlitecpp-dev
    libgtest-dev libbenchmark-dev
    nlohmann-json3-dev libcli11-dev
    qt6-base-dev qt6-charts-dev fonts-dejavu-core fonts-liberation
    desktop-file-utils appstream
    clang libclang-rt-14-dev
    gcovr
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"

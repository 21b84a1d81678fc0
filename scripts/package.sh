#!/usr/bin/env bash
# Builds the Debian package: a Release tree with Debian's own hardening flags, the programs in
# /usr/games as Debian keeps games, packed by CPack into build-package/halvard_<version>_amd64.deb,
# then checked by lintian.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
missing=()
for package in dpkg-dev lintian file; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
    -DHALVARD_BUILD_TESTS=OFF -DHALVARD_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-package
(cd build-package && cpack)

deb=$(ls build-package/halvard_*_amd64.deb)
echo "Built $deb"
# Errors fail the build; the warnings that stay are explained in packaging/README.md.
lintian --fail-on error "$deb"

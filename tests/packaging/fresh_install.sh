#!/usr/bin/env bash
# Builds the Debian package and installs it into a fresh Debian 12 root made here from the
# network's mirror: both programs must run from the installed files, and removing the package
# must leave none of its files behind. Not part of scripts/test.sh, as it needs the mirror and
# root's rights: run it as tests/packaging/fresh_install.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."

skip() {
    echo "SKIPPED: $*"
    exit 0
}

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || skip "making a Debian root needs root's rights (or sudo without a password)"
    sudo="sudo"
fi

scripts/package.sh
deb=$(ls build-package/halvard_*_amd64.deb)

if ! command -v debootstrap >/dev/null; then
    $sudo apt-get install -y -qq debootstrap >/dev/null || skip "debootstrap cannot be installed"
fi

root=$(mktemp -d /tmp/halvard-root.XXXXXX)
cleanup() {
    $sudo umount "$root/proc" 2>/dev/null || true
    $sudo rm -rf "$root"
}
trap cleanup EXIT

echo "Making a Debian 12 root in $root"
$sudo debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/tmp/halvard-debootstrap.log 2>&1 ||
    skip "no Debian 12 root could be made (see /tmp/halvard-debootstrap.log)"
$sudo mount -t proc proc "$root/proc"
$sudo cp "$deb" "$root/tmp/halvard.deb"
in_root() { $sudo chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME=/root "$@"; }

in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/halvard.deb >/dev/null
files=$(in_root dpkg -L halvard)

echo "halvard-cli from the installed files:"
packaged=$(in_root dpkg-query -W -f='${Version}' halvard)
told=$(in_root halvard-cli --version)
[ "$told" = "halvard-cli $packaged" ] ||
    { echo "FAILED: the package is version $packaged, but halvard-cli says \"$told\""; exit 1; }
echo "  $told, as the package"
in_root halvard-cli simulate --missions 1000 --seed 1 | head -4
printf 'random\nstep\nstep\nstep\nquit\n' | in_root halvard-cli --seed 3 --trace | grep -q '^M \[ZONE #2\]' ||
    { echo "FAILED: the scripted mission did not reach zone 2"; exit 1; }

echo "halvard on the offscreen platform:"
status=0
in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp timeout 5 halvard 2>/tmp/halvard-desktop.log || status=$?
if [ "$status" -ne 124 ]; then
    echo "FAILED: halvard ended by itself with status $status:"
    cat /tmp/halvard-desktop.log
    exit 1
fi
echo "  started, and was still showing its entry screen after 5 s"

in_root env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq halvard >/dev/null
left=""
for file in $files; do
    case "$file" in
    /usr/share/halvard/* | /usr/share/doc/halvard/* | /usr/games/halvard* | *org.halvard.halvard*)
        [ -e "$root$file" ] && left="$left $file" ;;
    esac
done
for dir in /usr/share/halvard /usr/share/doc/halvard; do
    [ -e "$root$dir" ] && left="$left $dir"
done
if [ -n "$left" ]; then
    echo "FAILED: removing the package left:$left"
    exit 1
fi
echo "PASSED: installed, both programs ran, and removing it left nothing of ours behind"

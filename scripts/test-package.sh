#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package and checks it as a user's machine would see it: its contents, its
# dependencies, the desktop entry and metainfo validators, and, when this runs as root on
# Debian, an installation into a fresh root made with debootstrap, where kestrava-tithi must
# answer and kestrava must start without reminding of updates.
#   scripts/test-package.sh [BUILD_DIR]
# The package is built in a build tree of its own (build-package unless named), configured as a
# distribution builds it: without the update reminder, for the package manager brings the
# updates, and without the tests and benchmarks, which the package does not hold. (The package's
# files are stripped of their debugging information.)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build_dir=${1:-build-package}

fail() {
    echo "package: $*" >&2
    exit 1
}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVA_UPDATE_REMINDER=OFF \
    -DKESTRAVA_BUILD_TESTS=OFF -DKESTRAVA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build_dir"/kestrava_*.deb | head -n 1)
echo "package: built $deb"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/kestrava ./usr/bin/kestrava-tithi \
    ./usr/share/applications/org.kestrava.Kestrava.desktop \
    ./usr/share/metainfo/org.kestrava.Kestrava.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.kestrava.Kestrava.svg \
    ./usr/share/kestrava/help/kestrava-help.html \
    ./usr/share/kestrava/help/kestrava-help.{hi,mr,gu,bn,ta,te,kn}.html \
    ./usr/share/kestrava/help/kestrava-help.css; do
    grep -q " $path\$" <<<"$contents" || fail "$path is missing from the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 qt6-qpa-plugins libstdc++6 \
    liberfa1; do
    grep -q "$library" <<<"$depends" || fail "the dependencies lack $library: $depends"
done
# A font for each script the windows speak.
for font in fonts-lohit-deva fonts-lohit-gujr fonts-lohit-beng-bengali fonts-lohit-taml \
    fonts-lohit-telu fonts-lohit-knda; do
    grep -q "fonts-noto-core | $font" <<<"$depends" || fail "the dependencies lack a font: $font"
done
echo "package: depends on $depends"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/org.kestrava.Kestrava.desktop"
appstreamcli validate --no-net --pedantic \
    "$unpacked/usr/share/metainfo/org.kestrava.Kestrava.metainfo.xml"

codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
distribution=$(. /etc/os-release && echo "${ID:-}")
if [ "$(id -u)" -ne 0 ] || [ "$distribution" != debian ] || ! command -v debootstrap >/dev/null; then
    echo "package: not root on Debian with debootstrap; the installation into a fresh root is skipped"
    exit 0
fi

root="$unpacked/root"
echo "package: making a fresh $codename root"
debootstrap --variant=minbase "$codename" "$root" http://deb.debian.org/debian >/dev/null
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")" \
    >/dev/null

answer=$(chroot "$root" kestrava-tithi 2024-01-11 17:00 --zone 5:30 --lon 77E --format csv)
echo "$answer"
grep -q "AMAVASYA\|Amavasya" <<<"$answer" || fail "kestrava-tithi in the fresh root gave: $answer"
# The catalogues are built into the tool: Tamil names where it is asked for them.
answer=$(chroot "$root" kestrava-tithi 2024-01-11 17:00 --zone 5:30 --lon 77E --format csv --lang ta)
grep -q "அமாவாசை" <<<"$answer" || fail "kestrava-tithi --lang ta in the fresh root gave: $answer"

# The application must start and keep running until it is stopped. A build with the update
# reminder stores the date of its first start; the package's stores nothing.
status=0
chroot "$root" env QT_QPA_PLATFORM=offscreen HOME=/tmp timeout 3 kestrava || status=$?
[ "$status" -eq 124 ] || fail "kestrava in the fresh root ended with status $status instead of running"
settings="$root/tmp/.config/kestrava/kestrava.ini"
if grep -qs Duration "$settings"; then
    fail "the package's kestrava keeps the update reminder: $(cat "$settings")"
fi
[ -s "$root/usr/share/kestrava/help/kestrava-help.html" ] || fail "the help page is not installed"
echo "package: installed into a fresh root; kestrava-tithi answers, kestrava starts without" \
    "reminding of updates, the help is in place"

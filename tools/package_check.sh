#!/bin/bash
# The Debian package end to end: made by cpack from a build configured for
# /usr, installed with apt-get, its printer run once against the build's, its
# metadata validated, then removed with nothing of it left behind.
# Usage: bash tools/package_check.sh BUILD_DIR   (as root, or with sudo)
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
quiet() {  # command...: its output only when it fails
  local log
  log=$("$@" 2>&1) || { echo "$log" >&2; return 1; }
}
apt() { quiet $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y "$@"; }
fail() { echo "package check: $*" >&2; exit 1; }

cd "$build"
rm -f vantrel_*.deb
quiet cpack -G DEB || fail "cpack -G DEB failed"
deb=$(echo vantrel_*_amd64.deb)
[ -f "$deb" ] || fail "cpack made no vantrel_<version>_amd64.deb"
for dep in libc6 libfltk1.3 tzdata fonts-dejavu-core; do
  dpkg-deb -f "$deb" Depends | grep -q "\b$dep\b" || fail "the package does not depend on $dep"
done

trap 'apt remove vantrel || true' EXIT
apt install "./$deb" || fail "apt-get install ./$deb failed"
for path in bin/vantrel bin/vantrel-print share/man/man1/vantrel.1.gz \
            share/man/man1/vantrel-print.1.gz share/applications/vantrel.desktop \
            share/icons/hicolor/scalable/apps/vantrel.svg share/doc/vantrel/copyright \
            share/metainfo/io.github.vantrel.vantrel.metainfo.xml share/vantrel/places.tsv; do
  [ -f "/usr/$path" ] || fail "the package did not install /usr/$path"
done
quiet appstreamcli validate --no-net --pedantic \
  /usr/share/metainfo/io.github.vantrel.vantrel.metainfo.xml || fail "appstreamcli validate"
desktop-file-validate /usr/share/applications/vantrel.desktop || fail "desktop-file-validate"

# The installed printer finds its atlas and the system's time zones.
chart=(--city "Berkeley, CA, US" --date 2007-03-22 --time 10:00)
printed=$(/usr/bin/vantrel-print "${chart[@]}") || fail "the installed vantrel-print failed"
[ -n "$printed" ] && [ "$printed" = "$("$build/vantrel-print" "${chart[@]}")" ] ||
  fail "the installed vantrel-print prints another chart than the build's"

installed=$(dpkg -L vantrel | grep vantrel)
apt remove vantrel || fail "apt-get remove vantrel failed"
trap - EXIT
for path in $installed; do
  [ ! -e "$path" ] || fail "$path is left after apt-get remove"
done
case $(dpkg-query -W -f='${db:Status-Abbrev}' vantrel 2>/dev/null) in
  ii* | rc*) fail "dpkg still lists vantrel after apt-get remove" ;;
esac
echo "package check: $deb installed, printed and removed"

#!/bin/bash
# The Debian package end to end: made by cpack from a build configured for
# /usr, checked by lintian, made again by a second build of the same sources
# in other folders with the same contents and no build folder in any file,
# installed with apt-get, its printer run once against the build's, its
# metadata validated, then removed with nothing of it left behind.
# Usage: bash tools/package_check.sh BUILD_DIR   (as root, or with sudo)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
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

# Lintian as Debian checks its packages: no error, warning, pedantic or
# hardening tag (the informational ones are shown).
lintian_log=$(lintian --pedantic --display-info --fail-on error,warning,pedantic "$deb" \
  2>&1 | grep -v 'running with root privileges') || {
  echo "$lintian_log" >&2
  fail "lintian --pedantic"
}
echo "lintian --pedantic --display-info $deb:"
echo "${lintian_log:-  (no tag)}" | sed 's/^/  /'
! grep -q hardening <<<"$lintian_log" || fail "lintian finds the binaries unhardened"
for page in vantrel vantrel-print; do
  mandoc -T lint "$build/$page.1" || fail "mandoc -T lint $page.1"
done
bash "$root/tools/render_icons.sh" --check || fail "the PNG icons are not the SVG's drawing"

# Reproducible: a second build of the same sources, copied to another folder
# and built there (the programs and data only), makes a package of the same
# bytes, file by file; no folder of either build is named in any file.
again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
mkdir "$again/src"
tar -C "$root" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$again/src" -xf -
quiet cmake -S "$again/src" -B "$again/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON ||
  fail "configuring the second build"
quiet cmake --build "$again/build" -j"$(nproc)" || fail "the second build"
(cd "$again/build" && quiet cpack -G DEB) || fail "cpack in the second build"
dpkg-deb -x "$deb" "$again/first"
dpkg-deb -x "$again/build/$deb" "$again/second"
files=0
while IFS= read -r -d '' file; do
  files=$((files + 1))
  if zcat -f "$file" | strings | grep -F -e "$root" -e "$build" -e "$again"; then
    fail "${file#"$again/first"} names a folder of the build"
  fi
done < <(find "$again/first" -type f -print0)
diff -r "$again/first" "$again/second" >&2 || fail "two builds make different packages"
cmp <(dpkg-deb -f "$deb") <(dpkg-deb -f "$again/build/$deb") ||
  fail "two builds give different control fields"
echo "package check: $files files the same from $build and $again/build; no build folder in them"
rm -rf "$again"

trap 'apt remove vantrel || true' EXIT
apt install "./$deb" || fail "apt-get install ./$deb failed"
for path in bin/vantrel bin/vantrel-print share/man/man1/vantrel.1.gz \
            share/man/man1/vantrel-print.1.gz share/applications/vantrel.desktop \
            share/icons/hicolor/scalable/apps/vantrel.svg \
            share/icons/hicolor/{48x48,64x64,128x128}/apps/vantrel.png \
            share/doc/vantrel/copyright share/doc/vantrel/changelog.gz \
            share/bash-completion/completions/vantrel-print \
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

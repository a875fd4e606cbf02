#!/bin/bash
# Installs what is missing on a Debian 12 machine, builds Vantrel and then
# either starts it (run) or runs the whole test suite (test).
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTREL_BUILD:-$root/build}

build_packages=(g++ cmake make pkg-config libfltk1.3-dev fonts-dejavu-core
                googletest libgtest-dev libbenchmark-dev python3 nlohmann-json3-dev
                libhowardhinnant-date-dev tzdata libcairo2-dev libicu-dev)
test_packages=(xvfb xauth xdotool x11-utils imagemagick time desktop-file-utils
               appstream dpkg-dev file clang libclang-rt-14-dev valgrind clang-tidy
               cppcheck gcovr poppler-utils lintian mandoc librsvg2-bin bash-completion)

case "$mode" in
  run) wanted=("${build_packages[@]}") ;;
  test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

# Configured for /usr, where the Debian package made from this build puts the
# programs' data and where they look for it.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" -j"$(nproc)"

if [ "$mode" = run ]; then
  exec "$build/vantrel"
fi

# The test run: the hardening stages, then the suite, each in a build
# directory of its own (tools/*.sh). Every stage runs and is timed; any
# failure fails the whole run at the end.
failed=()
stage() {  # name command...
  local name=$1 start=$SECONDS
  shift
  echo "=== $name"
  "$@" || failed+=("$name")
  echo "=== $name: $((SECONDS - start)) s"
}
stage "sanitized suite" bash "$root/tools/check_sanitized.sh"
stage "fuzzing" bash "$root/tools/fuzz.sh" 20
stage "lint" bash "$root/tools/lint.sh"
stage "valgrind road" env VANTREL_BUILD="$build" bash "$root/tools/valgrind_road.sh"
stage "coverage" bash "$root/tools/coverage.sh"
stage "debian package" bash "$root/tools/package_check.sh" "$build"
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}" >&2
fi

# The suite itself last, so that the run ends with its summary.
echo "=== test suite"
cd "$build"
ctest --output-on-failure -j"$(nproc)" && [ ${#failed[@]} -eq 0 ]

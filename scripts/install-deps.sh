#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those missing.
#   install-deps.sh run    build and run the saver
#   install-deps.sh test   also build and run every test and benchmark
#   install-deps.sh fuzz   build the fuzzers with clang
set -euo pipefail

build_packages=(cmake make g++ pkg-config libgl-dev libglu1-mesa-dev libegl-dev libegl-mesa0
                libgl1-mesa-dri libpng-dev libx11-dev)
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-utils x11-apps imagemagick
               g++-mingw-w64-x86-64 wine64 wine valgrind)

fuzz_packages=(clang libclang-rt-14-dev)

case "${1:-run}" in
  run) wanted=("${build_packages[@]}") ;;
  fuzz) wanted=("${build_packages[@]}" "${fuzz_packages[@]}") ;;
  test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: install-deps.sh run|test|fuzz" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Tallowmere's build, tests and tools need and is missing.
# Idempotent and quick when everything is already there. Run as root.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386
  xvfb imagemagick fonts-wqy-microhei
  googletest libbenchmark-dev clang libclang-rt-14-dev
  zip unzip
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  unset need_update
fi
if [[ ${need_update:-} ]]; then apt-get update -qq; fi

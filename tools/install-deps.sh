#!/bin/sh
# Installs what the build and the tests need on a Debian 12 machine, skipping
# whatever is already present, so running it again costs a second.
set -e

packages="cmake make g++ clang clang-format cppcheck libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 wine64 xvfb xauth x11-utils
  imagemagick xdotool locales fonts-ipafont-gothic fonts-wine zip"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done

if [ -n "$missing" ]; then
  [ "$(id -u)" = 0 ] || { echo "install-deps: need root to install:$missing" >&2; exit 1; }
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  apt-get install -y -q --no-install-recommends $missing
fi

if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  [ "$(id -u)" = 0 ] || { echo "install-deps: need root to generate ja_JP.UTF-8" >&2; exit 1; }
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi

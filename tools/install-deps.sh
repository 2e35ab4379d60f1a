#!/bin/sh
# Installs what building and testing the game needs on Debian 12 (run as root). Quick when all is there.
set -e
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    g++ clang libclang-rt-dev cmake ninja-build pkg-config \
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools \
    libgl-dev fontforge python3-fontforge fonts-dejavu-core \
    googletest libgtest-dev libbenchmark-dev xvfb \
    librsvg2-bin dpkg-dev desktop-file-utils appstream >/dev/null

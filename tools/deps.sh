#!/usr/bin/env bash
# Installs what Corvane needs to build, run and test on Debian 12 (as root,
# or through sudo when it is there). Safe to run again.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev qt5-image-formats-plugins
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libqrencode-dev zlib1g-dev libuchardet-dev
  # The DLNA media server, and a real UPnP client for its tests.
  libgupnp-1.6-dev libgupnp-av-1.0-dev libgssdp-1.6-dev gupnp-tools
  # VLC as a second real client: it finds, browses and plays from the server (UPnP module in the base plugins).
  vlc-bin vlc-plugin-base
  fonts-noto-cjk fonts-thai-tlwg fonts-dejavu-core
  libssl3 qttranslations5-l10n
  ffmpeg curl iproute2 python3 procps util-linux mount e2fsprogs binutils
  chromium zbar-tools desktop-file-utils appstream lintian dpkg-dev
  # Sanitizer builds (GCC's runtimes) and the fuzz build (clang, libFuzzer).
  libasan8 libubsan1 libtsan2 clang-14 libclang-rt-14-dev ccache
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages the console needs, only when some are missing.
# Works as root, or as a normal user through sudo; never asks questions.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libftdi1-dev librtmidi-dev libudev-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  pulseaudio
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1; then missing+=("$p"); fi
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  # sudo may ask for a password at a terminal; without one it must not wait.
  if [ -t 0 ]; then as_root=(sudo); else as_root=(sudo -n); fi
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq </dev/null
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null

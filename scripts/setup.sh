#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Kinovar needs to build, test and run (sudo when not root).
set -euo pipefail
PKGS=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev qt6-qpa-plugins libgl-dev
      libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev fonts-dejavu-core xvfb
      xauth locales qt6-translations-l10n xdotool util-linux desktop-file-utils appstream strace
      shared-mime-info poppler-utils libboost-dev libnlopt-cxx-dev qt6-l10n-tools
      qt6-tools-dev parallel slurm-wlm munge)
# The fuzz harnesses (KINOVAR_FUZZ=1, scripts/fuzz.sh) need clang and its libFuzzer runtime.
if [[ "${KINOVAR_FUZZ:-0}" == 1 ]]; then
  PKGS+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [[ $(id -u) -ne 0 ]] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

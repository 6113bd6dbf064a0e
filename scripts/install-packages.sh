#!/usr/bin/env bash
# Installs the Debian packages the build needs beyond the machine's own, each only when
# it is missing, so on a set-up machine this does nothing and needs no network. With no
# arguments: the tool's argument and JSON libraries. Uses sudo unless run as root.
set -euo pipefail
packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(libcli11-dev nlohmann-json3-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -gt 0 ] || exit 0
sudo=$([ "$(id -u)" = 0 ] || echo sudo)
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's archive, when missing,
# and creates the comma-decimal locale that the number tests use.
#   scripts/install-dependencies.sh [--checks]
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev clang-format qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev xvfb xauth locales fonts-dejavu-core)
# --checks: also what the scripted checks under a real X server use (a screen
# reader's bus and client, another program reading the clipboard).
if [ "${1:-}" = "--checks" ]; then
    packages+=(dbus at-spi2-core python3-pyatspi xclip)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Creating the de_DE.UTF-8 locale"
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

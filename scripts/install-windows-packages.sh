#!/usr/bin/env bash
# Installs the Debian packages the Windows builds and their tests need, if any
# is missing: the mingw-w64 cross compilers (win32 thread model), Wine for
# both processors, the X server the tests run under, and GoogleTest's sources
# for the cross compilers to build. Recommended packages
# are left out; fonts-wine is the one of them kept, since dialogs are laid out
# in the system font and its size fixes the dialog units.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
  wine64 wine wine32:i386 fonts-wine
  xvfb xauth
  googletest
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "All needed Debian packages for the Windows builds are installed."
  exit 0
fi

echo "Installing Debian packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "error: installing packages needs root; run as root or install them yourself" >&2
  exit 1
fi
# 32-bit Windows programs run under the i386 part of Wine.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

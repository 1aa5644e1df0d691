#!/usr/bin/env bash
# Installs the Debian packages Quodral needs to build and test, only when some are missing.
# Safe to run again; runs apt-get only as root or through sudo.
set -euo pipefail

pakete=(cmake ninja-build g++ pkg-config qt6-base-dev libicu-dev libqhull-dev qhull-bin libgtest-dev libcgal-dev libgmp-dev fonts-urw-base35 locales qt6-translations-l10n clang-19 libclang-rt-19-dev)

fehlend=()
for p in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    fehlend+=("$p")
  fi
done

als_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installing missing packages: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  als_root apt-get update
  als_root apt-get install -y --no-install-recommends "${fehlend[@]}"
fi

# A German locale lets the number tests prove that our number text ignores the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ -f /etc/locale.gen ] && { [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; }; then
    als_root sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen || true
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | als_root tee -a /etc/locale.gen >/dev/null
    als_root locale-gen >/dev/null 2>&1 || echo "Note: the German locale could not be generated; the locale test will be skipped."
  fi
fi

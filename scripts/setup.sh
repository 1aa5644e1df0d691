#!/usr/bin/env bash
# Installs the Debian packages Quodral needs, only when some are missing:
#   bash scripts/setup.sh          what the program needs to build and run;
#   bash scripts/setup.sh --tests  that and what its tests need besides (GoogleTest, CGAL and
#                                  GMP for the exact reference, the qhull command for the
#                                  benchmark, Clang 19 for the sanitizer and fuzz build).
# Safe to run again; runs apt-get only as root or through sudo.
set -euo pipefail

# The program: compiler and build tools, Qt, ICU, qhull, the label font (P052), the German locale
# (system messages in German) and Qt's German translations for its own dialogs.
pakete=(cmake ninja-build g++ pkg-config qt6-base-dev libicu-dev libqhull-dev fonts-urw-base35 locales
        qt6-translations-l10n)
testpakete=(qhull-bin libgtest-dev libcgal-dev libgmp-dev clang-19 libclang-rt-19-dev)

case "${1:-}" in
  "") ;;
  --tests) pakete+=("${testpakete[@]}") ;;
  *) echo "usage: bash scripts/setup.sh [--tests]" >&2; exit 2 ;;
esac

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

# The German locale, the locale of the program's users: the program takes the system's error
# messages in German from it, and the tests run under it to prove that number text ignores it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ -f /etc/locale.gen ] && { [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; }; then
    als_root sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen || true
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | als_root tee -a /etc/locale.gen >/dev/null
    als_root locale-gen >/dev/null 2>&1 || echo "Note: the German locale de_DE.UTF-8 could not be generated."
  fi
fi

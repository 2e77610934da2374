#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase qt6-l10n-tools qt6-translations-l10n
  libqt6opengl6-dev
  libgtest-dev googletest
  libfbclient2 firebird3.0-server-core firebird-dev firebird3.0-utils firebird3.0-common
  firebird3.0-server
  fonts-dejavu-core fonts-liberation poppler-utils
  xvfb xauth
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  # The server package starts its service on installation. The tests start a
  # server of their own when they need one, so no service is left running to
  # take the port or hold database files.
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' > /usr/sbin/policy-rc.d
    chmod 755 /usr/sbin/policy-rc.d
    trap 'rm -f /usr/sbin/policy-rc.d' EXIT
  fi
  if [ -z "${DIARIO_APT_UPDATED:-}" ]; then apt-get update -qq; fi
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

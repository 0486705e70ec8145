#!/bin/sh
# Installs the Debian 12 packages the build, the program and the tests need,
# but only those that are missing. Runs apt-get as root (directly or by sudo).
# The reference pictures are drawn in Liberation Sans; DejaVu is installed too
# so that every machine falls back to the same faces for other characters.
set -e
PKGS="g++ cmake make pkg-config ccache qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
      libgl-dev libxkbcommon-dev qt6-translations-l10n fontconfig fonts-liberation fonts-dejavu-core
      libbenchmark-dev xvfb xauth imagemagick dpkg-dev poppler-utils lintian
      libquazip1-qt6-dev libboost-math-dev"
MISSING=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MISSING="$MISSING $p"
done
[ -z "$MISSING" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installerer:$MISSING"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $MISSING

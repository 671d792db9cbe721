#!/usr/bin/env bash
# Installs the named Debian packages (as root); does nothing when none is named.
#   scripts/install_packages.sh PACKAGE...
set -euo pipefail
[ $# -gt 0 ] || exit 0
echo "Installing $*"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" > /dev/null

#!/usr/bin/env bash
# Installs what is missing, builds, and starts Irisonde.
source "$(dirname "$0")/tools/bootstrap.sh"
irisonde_build "$IRISONDE_ROOT/build"
exec "$IRISONDE_ROOT/build/irisonde" "$@"

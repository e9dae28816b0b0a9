#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
source "$(dirname "$0")/tools/bootstrap.sh"
irisonde_build "$IRISONDE_ROOT/build"
cd "$IRISONDE_ROOT/build"
ctest --output-on-failure -j "$(nproc)" "$@"

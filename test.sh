#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs every test.
source "$(dirname "$0")/tools/bootstrap.sh"
irisonde_build "$IRISONDE_ROOT/build"
cd "$IRISONDE_ROOT/build"
ctest --output-on-failure -j "$(nproc)" "$@"

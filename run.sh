#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and starts Irisonde.
source "$(dirname "$0")/tools/bootstrap.sh"
irisonde_build "$IRISONDE_ROOT/build"
exec "$IRISONDE_ROOT/build/irisonde" "$@"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# retry.sh N COMMAND ARGS...: runs COMMAND up to N times until it passes,
# saying each failed attempt. Kept for the window-manager placement test
# alone, while a late framing by the window manager can still leave a
# placement a frame off now and then; every failure stays in the log.
n="$1"; shift
for ((attempt = 1; attempt <= n; attempt++)); do
  "$@" && exit 0
  echo "retry.sh: attempt $attempt of $n failed: $*" >&2
done
exit 1

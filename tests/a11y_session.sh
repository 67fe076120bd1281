#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the accessibility events test where a screen reader would listen:
# a private X server, a private session bus and the accessibility bus on
# it. (On the offscreen platform the toolkit has no accessibility bridge
# and passes no event on.) Arguments: the test executable, then its own.
set -euo pipefail
test=$(realpath "$1")
shift

cleanup() {
    [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
    rm -f "${displayfile:-}"
}
trap cleanup EXIT
source "$(dirname "$0")/xserver.sh"
start_xserver
export QT_QPA_PLATFORM=xcb
# The bridge reports events whether or not a screen reader has asked for
# them; the test fails rather than skips where none arrive.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export ZUT_ACCESSIBILITY_REQUIRED=1

launcher=
for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [[ -x "$l" ]] && launcher=$l && break
done
[[ -n "$launcher" ]] || { echo "FAIL: no at-spi-bus-launcher (package at-spi2-core)" >&2; exit 1; }

# Inside the session: the accessibility bus first, then the test. The
# services the bus starts keep the session's output open after it ends, so
# the output goes through a file.
log=$(mktemp)
trap 'cleanup; rm -f "$log"' EXIT
status=0
dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 & bus=$!
    trap "kill $bus 2>/dev/null || true" EXIT
    "$@"
' "$launcher" "$test" "$@" >"$log" 2>&1 </dev/null || status=$?
grep -v -e "Failed to set fd limit" -e "Activating service" -e "Successfully activated" "$log" || true
exit $status

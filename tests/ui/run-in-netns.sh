#!/usr/bin/env bash
# ctest's runner for a Windows test program that needs a network of its own:
# runs it, as root, inside a new network namespace whose loopback interface is
# up and is the only interface, with /sys mounted afresh (its class/net shows
# the namespace that mounted it). Wine's sockets and interface lists come from
# the wineserver's namespace, and a prefix has one wineserver: the program gets
# a wineserver and a copy of the target's Wine prefix of its own
# ($BUILD_ROOT/wineprefix-netns, $BUILD_ROOT/wineprefix32-netns), and
# everything that runs on that server ends with the program.
# Usage: run-in-netns.sh <build root> <x86_64|i686> <program.exe> [arguments...]
set -euo pipefail

if [ -z "${CORVANE_IN_NETNS:-}" ]; then
  # --mount: /sys is mounted afresh in a mount namespace of the runner's own.
  exec env CORVANE_IN_NETNS=1 unshare --net --mount "$0" "$@"
fi

mount -t sysfs sysfs /sys
ip link set lo up

export BUILD_ROOT=$1 CORVANE_TARGET=$2
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
corvane_wine_prefix >&2
plain=$WINEPREFIX
export WINEPREFIX=$CORVANE_PREFIX-netns
(
  flock 9
  corvane_prefix_copy "$plain"
) 9>"$CORVANE_PREFIX-netns.lock" >&2

status=0
wine "$@" || status=$?
# This prefix's server alone: the others serve the tests outside the namespace.
wineserver -k 2>/dev/null || true
exit "$status"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a display and a session bus of its own, with the accessibility bus a screen
# reader listens on already up, and Qt's bridge to it on: what assistive technology reads.
# Usage: with_atspi.sh COMMAND [ARGUMENTS...]
set -u
if [[ -z "${ORDALUNE_ATSPI_INNER:-}" ]]; then
    # A runtime folder of its own before the bus starts: the accessibility bus the bus starts puts
    # its socket there, not in the home folder that every copy run beside this one shares.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    env ORDALUNE_ATSPI_INNER=1 dbus-run-session -- "$0" "$@"
    status=$?
    rm -rf "$XDG_RUNTIME_DIR"
    exit $status
fi
# A display of its own, chosen by Xvfb and told through a file: it skips the numbers in use and
# clears the lock files that servers killed outright leave behind, which would otherwise use up
# any range of numbers fixed here.
told=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$told" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 600); do [[ -s $told ]] && break; sleep 0.05; done
display=:$(head -n 1 "$told")
rm -f "$told"
export DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Windows are given the focus, as on a desktop, once the window manager runs: on a busy machine it
# can take seconds to start, and a window shown before it would never be activated.
ready=$(mktemp -u)
openbox --startup "touch $ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 600); do [[ -e $ready ]] && break; sleep 0.05; done
rm -f "$ready"
trap 'kill $wm $xvfb 2>/dev/null' EXIT
# Started at once, so the program's bridge finds the bus on its first question.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
"$@"

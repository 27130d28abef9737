#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running program's goal list through AT-SPI, as a screen reader does: a list whose items
# are the goals, named with their times, the first selected; its action starts a clock.
# Usage (on with_atspi.sh's display and bus): atspi_goals.py PROGRAM
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

program = sys.argv[1]
folder = tempfile.mkdtemp()
with open(os.path.join(folder, "Ordalune.cdf"), "wb") as goals:
    goals.write(b"File Version : 1\r\nUser : Pat\r\nEssay,02:00,01:30\r\nGym,01:00,00:00\r\n")
env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", XDG_CONFIG_HOME=folder)
running = subprocess.Popen([program, "-m"], cwd=folder, env=env)


def find(node, role, depth=0):
    if node is None or depth > 12:
        return None
    if node.getRole() == role:
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), role, depth + 1)
        if found is not None:
            return found
    return None


def goal_list():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and "rdalune" in (app.name or ""):
            return find(app, pyatspi.ROLE_LIST)
    return None


try:
    deadline = time.time() + 30
    listed = None
    while time.time() < deadline:
        listed = goal_list()
        if listed is not None and listed.childCount == 2:
            break
        time.sleep(0.2)
    if listed is None:
        sys.exit("no goal list found through AT-SPI")
    names = [listed.getChildAtIndex(i).name for i in range(listed.childCount)]
    if names != ["Essay, 1:30 left", "Gym, done"]:
        sys.exit("the goals read %r" % names)
    first = listed.getChildAtIndex(0)
    if not first.getState().contains(pyatspi.STATE_SELECTED):
        sys.exit("the selected goal is not told selected")
    action = first.queryAction()
    if action.nActions < 1:
        sys.exit("the goal has no action")
    action.doAction(0)  # starts its clock
    deadline = time.time() + 10
    while time.time() < deadline and "running" not in (first.name or ""):
        time.sleep(0.2)
    if "running" not in (first.name or ""):
        sys.exit("its action did not start the clock: %r" % first.name)
    print("read:", names, "then", first.name)
finally:
    running.terminate()
    running.wait(15)

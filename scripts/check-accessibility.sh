#!/usr/bin/env bash
# Checks the editor form over AT-SPI as a screen reader reads it: the
# workbench runs under Xvfb on a private session bus with accessibility on,
# opens an editor, and scripts/atspi-check.py reads and presses its controls.
# Needs at-spi2-core and python3-pyatspi (scripts/install-dependencies.sh),
# read by Debian's own Python.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh --checks >/dev/null
workbench="${1:-build/default/workbench/app/workbench}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
        "$0" --open "Column temperatures" &
    app=$!
    status=0
    /usr/bin/python3 scripts/atspi-check.py || status=$?
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    exit "$status"
' "$workbench"

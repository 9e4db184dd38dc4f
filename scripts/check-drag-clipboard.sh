#!/usr/bin/env bash
# Under a real X server: while a drag from the editor's profiles list runs,
# another program (xclip) reads "Lumen Variable Path Format" from the
# clipboard by its name; after the drag the format is gone.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh --checks
cmake --build --preset default --target dragclipboardx11 >/dev/null
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1200x24" build/default/tests/view/dragclipboardx11

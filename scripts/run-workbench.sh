#!/usr/bin/env bash
# Installs what is missing, builds, and runs the workbench with its sample model.
# Without a display it runs on Qt's offscreen platform, saves a picture of the
# main window, with the editor and the plot window side by side, and exits. Extra arguments go to the workbench (see --help).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target workbench profileeditor

workbench=build/default/workbench/app/workbench
# The sample's first plot in an editor, with its plot window beside it.
first=(--open "Column temperatures" --show-plot "Column temperatures")
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$workbench" "${first[@]}" "$@"
fi

picture="$PWD/build/workbench.png"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen "$workbench" "${first[@]}" --time 600 \
    --screenshot "$picture" --quit "$@"
echo "No display: the workbench ran offscreen; its window is in $picture"

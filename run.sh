#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the
# workbench on a copy of the bundled demo data. Without a display it runs
# the workbench under Xvfb through one calibration instead, saves a
# screenshot of each view into build/screenshots/ and exits.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
app=build/release/bin/orvo-workbench
if [ -n "${DISPLAY:-}" ]; then
    exec "$app" "$@"
fi
shots=build/screenshots
rm -rf "$shots"
mkdir -p "$shots"
echo "No display: running the workbench under Xvfb through one calibration."
exec xvfb-run --auto-servernum --server-args="-screen 0 1400x1000x24" \
    "$app" --language en --screenshots "$shots" "$@"

#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the
# workbench on the bundled demo data.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
demo=examples/data/demo.cal
if [ -x build/release/bin/orvo-workbench ]; then
    exec build/release/bin/orvo-workbench "$@"
fi
exec build/release/bin/orvo-cal dump "$demo"

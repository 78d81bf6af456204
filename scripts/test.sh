#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; the exit status is
# ctest's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
status=0
ctest --test-dir "$root/build" --output-on-failure || status=$?
exit "$status"

#!/usr/bin/env bash
# Installs what is missing, builds, prepares build/bin as the program folder
# (private database server, schema, default user) on first use and starts
# the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
bin="$root/build/bin"
if [ ! -d "$bin/AppData/mysql" ]; then
  "$bin/tesselmar-setup" "$bin"
fi
exec "$bin/tesselmar" "$@"

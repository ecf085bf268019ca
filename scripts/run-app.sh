#!/usr/bin/env bash
# Installs what is needed, builds Quenor and starts it on the sample family.
# The program works in the directory the command is run from: its reports are
# written there.
set -euo pipefail
start="$PWD"
repo="$(cd "$(dirname "$0")/.." && pwd)"
cd "$repo"
bash scripts/install-deps.sh
bash scripts/build.sh
cd "$start"
exec "$repo/build/release/app/quenor" "$@" "$repo/samples/famille-martin.ged"

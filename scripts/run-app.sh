#!/usr/bin/env bash
# Installs what is needed, builds Quenor and starts it on the sample family.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec build/release/app/quenor "$@" samples/famille-martin.ged

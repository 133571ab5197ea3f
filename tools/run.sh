#!/usr/bin/env bash
# Shows what the project can do so far on its demo game folder: reads the sample record.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
game="$build/game"
echo "Sample record, as read from its record file:"
"$game/zivi-cli" read "$here/tests/fixtures/sample.gbo"

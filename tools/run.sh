#!/usr/bin/env bash
# Shows what the project can do so far on its demo game folder: the demo records are dealt and
# played by the record generator, and one of them is read and replayed headlessly.
set -euo pipefail
build=${1:-build}
game="$build/game"
if ! ls "$game/gibos/"*.gbo > /dev/null 2>&1; then
  "$game/zivi-cli" generate --count 20 --seed 1 --out "$game/gibos" > /dev/null
fi
record=$(ls "$game/gibos/"*.gbo | head -n 1)
echo "Demo record $record, as read from its record file:"
"$game/zivi-cli" read "$record" | python3 -m json.tool --no-ensure-ascii 2>/dev/null || "$game/zivi-cli" read "$record"
echo
echo "Replayed to its settlement:"
"$game/zivi-cli" replay "$record" | python3 -m json.tool --no-ensure-ascii 2>/dev/null || "$game/zivi-cli" replay "$record"

#!/bin/sh
# The selected JSON indented; text that is not JSON fails with the reason, e.g.
# "The shortcut failed: Expecting value: line 1 column 1 (char 0)".
if ! command -v python3 >/dev/null; then
    echo "Format JSON needs python3." >&2
    exit 1
fi
exec python3 -c '
import json, sys
try:
    print(json.dumps(json.load(sys.stdin), indent=2, ensure_ascii=False))
except ValueError as error:
    sys.exit(str(error))
'

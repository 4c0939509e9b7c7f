#!/usr/bin/env bash
# Checks that every test CTest knows in a build folder carries a TIMEOUT, so a test waiting on a
# window nobody closes fails instead of holding up the run.
#   check-test-timeouts.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys
tests = json.load(sys.stdin)["tests"]
missing = [t["name"] for t in tests
           if not any(p["name"] == "TIMEOUT" and float(p["value"]) > 0 for p in t.get("properties", []))]
for name in missing:
    print("no TIMEOUT:", name)
print(f"{len(tests) - len(missing)} of {len(tests)} tests have a TIMEOUT")
sys.exit(1 if missing or not tests else 0)
'

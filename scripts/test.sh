#!/usr/bin/env bash
# Command 2: sets everything up, builds the native, the sanitizer and the Windows build and runs
# every test of each: the Windows tests run under Wine, everything that draws runs inside Xvfb.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" linux linux-sanitize windows || exit 1

passed=0
failed=0
for preset in linux linux-sanitize windows; do
    echo "test: $preset"
    log="build/$preset-ctest.log"
    xvfb-run -a -s '-screen 0 1024x768x24 -noreset' ctest --preset "$preset" 2>&1 | tee "$log"
    summary=$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1)
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$summary")
    if [ -z "$summary" ] || [ -z "$total" ]; then
        echo "test: $preset ran no tests" >&2
        failed=$((failed + 1))
        continue
    fi
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Runs the flight plan tests against a local stand-in for the service
# (flight_plan_server.py, 127.0.0.1 only), with the time limit shortened to
# 3 s so that the tests of a server that never answers stay short.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
read -r server port < <(python3 "$here/flight_plan_server.py") ||
    { echo "flight_plan.sh: the local server did not start" >&2; exit 1; }
trap 'kill "$server" 2>/dev/null' EXIT
CORVEL_TEST_PLAN_SERVER=http://127.0.0.1:$port CORVEL_FLIGHT_PLAN_TIMEOUT=3 \
    "$here/../../scripts/wine-run" "$1" --gtest_brief=1 --gtest_filter='FlightPlan.*'

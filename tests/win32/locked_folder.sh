#!/usr/bin/env bash
# Runs the access-denied test against a folder nobody may write in. Tests
# run as root, which ignores permission bits, so the folder is made
# immutable instead: no file can be created in it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(mktemp -d)
printf '[Common]\r\nUnitSystem=0\r\n' >"$folder/Prefs.cfg"
chattr +i "$folder"
trap 'chattr -i "$folder"; rm -rf "$folder"' EXIT
CORVEL_LOCKED_FOLDER=$folder "$here/../../scripts/wine-run" "$1" --gtest_filter='ConfigurationDialog.FailedSaves*'

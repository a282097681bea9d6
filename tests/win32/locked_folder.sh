#!/usr/bin/env bash
# Runs the access-denied test against a folder nobody may write in. Root
# ignores permission bits, so as root the folder is made immutable instead:
# no file can be created in it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(mktemp -d)
printf '[Common]\r\nUnitSystem=0\r\n' >"$folder/Prefs.cfg"
if [ "$(id -u)" -eq 0 ]; then
    chattr +i "$folder"
    trap 'chattr -i "$folder"; rm -rf "$folder"' EXIT
else
    chmod a-w "$folder"
    trap 'chmod u+w "$folder"; rm -rf "$folder"' EXIT
fi
CORVEL_LOCKED_FOLDER=$folder "$here/../../scripts/wine-run" "$1" --gtest_filter='ConfigurationDialog.FailedSaves*'

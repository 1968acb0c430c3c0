#!/usr/bin/env bash
# Builds the locales the tests also run under into a folder of their own: a
# fresh machine has none but C installed.
set -euo pipefail
dir=$1
mkdir -p "$dir"
for name in de_DE fa_IR; do
    [ -f "$dir/$name.UTF-8/LC_NUMERIC" ] || localedef -i "$name" -f UTF-8 "$dir/$name.UTF-8"
done
# A test that runs "under German" proves nothing unless the C library
# really writes the comma there.
[ "$(LOCPATH=$dir LC_ALL=de_DE.UTF-8 locale decimal_point)" = "," ]

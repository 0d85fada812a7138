#!/usr/bin/env bash
# Validates the desktop entry and the AppStream data: any warning or hint fails, and so does
# any AppStream remark but one, cid-maybe-not-rdns: the id is the maker's domain reversed, and
# that domain lies under the reserved top-level domain "example", which AppStream does not know.
# Usage: check_metadata.sh DESKTOP_FILE METAINFO_FILE
set -uo pipefail
status=0

out=$(desktop-file-validate "$1" 2>&1)
rc=$?
if [ $rc -ne 0 ] || [ -n "$out" ]; then
    echo "$out"
    echo "desktop entry: desktop-file-validate reports problems" >&2
    status=1
fi

out=$(appstreamcli validate --pedantic --no-net "$2" 2>&1)
rc=$?
echo "$out"
if [ $rc -ne 0 ] || grep -E '^[A-Z]: ' <<<"$out" | grep -v -q -E '^I: [^ ]+ cid-maybe-not-rdns '; then
    echo "AppStream data: appstreamcli validate reports problems" >&2
    status=1
fi
exit $status

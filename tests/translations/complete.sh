#!/usr/bin/env bash
# Every text of the windows is translated in every language: lupdate is run over the sources
# into copies of the translation files, and no text may come out unfinished (a text new in the
# sources comes out unfinished too). English (quorvex_en.ts) holds only the plural forms of the
# texts, which are English already. Prints the count of texts per language.
# Usage: complete.sh LUPDATE SOURCE_DIR TS_FILE...
set -euo pipefail
lupdate=$1
sources=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    only=()
    [[ "$ts" == *_en.ts ]] && only=(-pluralonly)
    "$lupdate" -silent "${only[@]}" -locations none -no-ui-lines "$sources" -ts "$copy" >/dev/null
    texts=$(grep -c '<message' "$copy" || true)
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    echo "$(basename "$ts"): $texts texts, $unfinished unfinished"
    if [[ "$unfinished" -ne 0 ]]; then
        status=1
        # The source texts left unfinished, one a line.
        grep -B8 'type="unfinished"' "$copy" | grep -o '<source>.*</source>' | sed 's/^/    /' || true
    fi
done
exit "$status"

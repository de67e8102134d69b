#!/bin/bash
# Rebuilds the shelf of help files from provenance.tsv.
#
#   bench/shelf/fetch-shelf.sh
#
# A file already on the shelf with the listed sha256 is kept. A missing one is taken out of its
# repository's snapshot when that is still on this machine (under $PELLIN_MIRRORS, default
# /work/.mirror, as owner+name/repo). The repositories still missing are printed, one
# "github:owner/name" a line, for whoever can fetch them; run the script again once they are there.
# Exit code 0 when the shelf is complete, 3 when repositories remain to fetch.
exec python3 "$(dirname "$0")/shelf.py" missing

#!/bin/sh
# Fails when a file of a lower layer of src/ includes a header of a higher
# one, or of a layer beside it. The layers, lowest first:
#   platform <- common <- wordproc <- extract <- filelist, results <- shell, cli
# (filelist and results stand side by side, as do shell and cli).
# Usage: layers_test.sh SOURCE_DIR
set -eu
cd "$1/src"

grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' . |
  sed -E 's,^\./(([a-z]+)/[^:]*):.*include[[:space:]]*"([a-z]+)/.*,\1 \2 \3,' |
  awk '
    BEGIN {
      rank["platform"] = 0; rank["common"] = 1; rank["wordproc"] = 2; rank["extract"] = 3
      rank["filelist"] = 4; rank["results"] = 4; rank["shell"] = 5; rank["cli"] = 5
    }
    # $1 the file, $2 its layer, $3 the layer it includes
    ($2 in rank) && ($3 in rank) && $2 != $3 && rank[$3] >= rank[$2] {
      print "src/" $1 " (" $2 ") includes " $3 "/, a layer above or beside it"
      wrong = 1
    }
    END {
      if (wrong) exit 1
      print "every include points to the file'"'"'s own layer or one below it"
    }'

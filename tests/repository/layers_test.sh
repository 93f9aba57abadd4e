#!/bin/sh
# Fails when an include of src/ crosses a boundary it may not cross.
#
# Layers: a folder of src/ includes headers of its own folder and of those
# below it, never of one above or beside it. Lowest first:
#   platform <- common <- wordproc <- extract <- filelist, results <- shell, cli
# and ui (the window helpers, Qt) above common, beside wordproc and extract,
# below filelist, results and shell; cli (no Qt) never includes ui.
#
# The document engine (wordproc/) shows other layers only its root headers
# (wordproc/X.h); those include only one another. Inside it:
#   - text/, container/ and encoding/, what every reader builds on, include
#     one another and the root, no family folder and not module/;
#   - a family folder (word/, ooxml/, odf/, rtf/, plain/, html/, pdf/,
#     legacy/ and any new one) includes its own folder, text/, container/,
#     encoding/, module/ and the root, never another family's folder;
#   - module/ (loader and linked reader tables) and the root's sources
#     (FormatDispatch joins every family) include any folder of wordproc/.
# Tests, fuzzers and benchmarks are not checked: they reach readers directly.
# Usage: layers_test.sh SOURCE_DIR
set -eu
cd "$1/src"

grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' . |
  sed -E 's,^\./([^:]*):[^"]*"([^"]*)".*,\1 \2,' |
  awk '
    BEGIN {
      below["platform"] = ""
      below["common"] = "platform"
      below["ui"] = "common platform"
      below["wordproc"] = "common platform"
      below["extract"] = "wordproc common platform"
      below["filelist"] = below["results"] = "extract wordproc ui common platform"
      below["shell"] = "filelist results extract wordproc ui common platform"
      below["cli"] = "filelist results extract wordproc common platform"
      base = " text container encoding "
    }
    function fail(why) { print "src/" file " includes " header ": " why; wrong = 1 }
    # The folder of a path of wordproc/: "root" for the files at its top.
    function part(path, p) { return split(path, p, "/") == 2 ? "root" : p[2] }
    {
      file = $1; header = $2
      split(file, f, "/"); split(header, h, "/")
      from = f[1]; to = h[1]
      if ((from in below) && (to in below) && from != to && index(" " below[from] " ", " " to " ") == 0)
        fail(from "/ may include only its own folder" (below[from] == "" ? "" : " and " below[from]))
      if (to != "wordproc") next
      into = part(header)
      if (from != "wordproc") {
        if (into != "root") fail("outside wordproc/ only its root headers (wordproc/X.h) may be included")
        next
      }
      at = part(file)
      if (at == into || at == "module") next
      if (at == "root") {
        if (file ~ /\.h$/ && into != "root") fail("a root header of wordproc/ includes only other root headers")
      } else if (index(base, " " at " ")) {
        if (into != "root" && !index(base, " " into " "))
          fail(at "/ includes only text/, container/, encoding/ and the root of wordproc/, no family folder or module/")
      } else if (into != "root" && into != "module" && !index(base, " " into " ")) {
        fail(at "/, a family folder, includes only its own folder, text/, container/, encoding/, module/ and the root")
      }
    }
    END {
      if (wrong) exit 1
      print "every include keeps to the layers and to the folders of wordproc/"
    }'

#!/usr/bin/env bash
# Every option that `--help` lists is in the manual page and the bash completion, and they list no
# option the program does not have, so they cannot drift apart as commands are added.
# Usage: check-options.sh BIN_DIR
set -euo pipefail
bin=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
failed=0

options() { grep -oE -- '--[a-z][a-z0-9-]*' | sort -u; }
# compare WHAT: the options of --help (file 1) against those of WHAT (file 2).
compare() {
  local missing extra
  missing=$(comm -23 "$1" "$2" | tr '\n' ' ')
  extra=$(comm -13 "$1" "$2" | tr '\n' ' ')
  [ -z "$missing" ] || { echo "check-options: $3 lacks $missing" >&2; failed=1; }
  [ -z "$extra" ] || { echo "check-options: $3 has options --help does not list: $extra" >&2; failed=1; }
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for program in gridwright gridwright-make; do
  env -u DISPLAY "$bin/$program" --help | options > "$work/$program.help"
  sed 's/\\-/-/g' "$source_dir/data/man/$program.1.in" | options > "$work/$program.man"
  compare "$work/$program.help" "$work/$program.man" "$program.1"
done
options < "$source_dir/data/completion/gridwright-make" > "$work/completion"
compare "$work/gridwright-make.help" "$work/completion" "the bash completion of gridwright-make"
exit $failed

#!/usr/bin/env bash
# The completion scripts of bash and zsh offer every option that folidex-count --help
# names, the choices of the options that take one, and files and folders.
#   completion_test.sh FOLIDEX_COUNT COMPLETION_FOLDER
set -euo pipefail
count=$1
folder=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
command -v zsh >/dev/null || { echo "zsh is missing: 'make deps' installs it" >&2; exit 1; }

failures=0
expect() {  # expect WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %s\n  offered:  %s\n' "$1" "$2" "$3" >&2
    failures=$((failures + 1))
  fi
}
# bash_offers WORD...: what bash offers for the last word, sorted, on one line.
bash_offers() {
  (
    set +eu
    # shellcheck source=/dev/null
    source "$folder/folidex-count.bash"
    COMP_WORDS=(folidex-count "$@")
    COMP_CWORD=$#
    _folidex_count 2>/dev/null  # compopt speaks up outside a real completion
    printf '%s\n' "${COMPREPLY[@]}"
  ) | sort -u | xargs
}
# zsh_offers LINE: what zsh offers at the end of the line, sorted, on one line.
zsh_offers() { zsh -f "$here/zsh_complete.zsh" "$folder" "folidex-count $1" | sort -u | xargs; }

options=$("$count" --help | grep -oE '^ +(-[a-z0-9], )?--[a-z-]+' | grep -oE -- '-[a-z0-9]\b|--[a-z-]+' | sort | xargs)
[ "$(wc -w <<<"$options")" -gt 20 ] || { echo "no options found in --help" >&2; exit 1; }
expect "bash: every option" "$options" "$(bash_offers -)"
expect "zsh: every option" "$options" "$(zsh_offers -)"

expect "bash: formats" "csv json jsonl table tsv" "$(bash_offers --format '')"
expect "bash: formats after =" "json jsonl" "$(bash_offers --format = j)"
expect "zsh: formats after =" "csv json jsonl table tsv" "$(zsh_offers --format=)"
expect "bash: date kinds" "accessed created modified" "$(bash_offers -r --date-kind '')"
expect "zsh: date kinds" "accessed created modified" "$(zsh_offers '-r --date-kind ')"
expect "bash: engines" "qpdf" "$(bash_offers --engine q)"
expect "zsh: engines" "qpdf" "$(zsh_offers '--engine=q')"
expect "bash: nothing to offer for a date" "" "$(bash_offers --between 2024-01-01 '')"
expect "zsh: --in-last rules out --between" "" "$(zsh_offers '--in-last 3 --betw')"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/Scans"
touch "$work/report.pdf" "$work/-dash.pdf"
cd "$work"
expect "bash: files and folders" "-dash.pdf Scans report.pdf" "$(bash_offers '')"
expect "bash: paths after --" "-dash.pdf" "$(bash_offers -- -)"
expect "bash: a list to read" "report.pdf" "$(bash_offers --files-from r)"
expect "zsh: files and folders" "-dash.pdf Scans report.pdf" "$(zsh_offers -r\ )"
expect "zsh: paths after --" "-dash.pdf" "$(zsh_offers '-- -')"

[ "$failures" -eq 0 ] || exit 1
echo "completion: every check passed"

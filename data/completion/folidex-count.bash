# Bash completion for folidex-count: options, their values, files and folders.

_folidex_count() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} before=""
  ((COMP_CWORD > 1)) && before=${COMP_WORDS[COMP_CWORD - 2]}
  # "--format=js" reaches here as "--format" "=" "js".
  if [[ $cur == = ]]; then
    prev=$before cur=""
  elif [[ $prev == = ]]; then
    prev=$before before=""
  fi

  local word
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    if [[ $word == -- ]]; then
      COMPREPLY=($(compgen -f -- "$cur"))
      compopt -o filenames
      return
    fi
  done

  case $prev in
    --format) COMPREPLY=($(compgen -W 'table tsv csv json jsonl' -- "$cur")); return ;;
    --engine) COMPREPLY=($(compgen -W 'fast qpdf' -- "$cur")); return ;;
    --date-kind) COMPREPLY=($(compgen -W 'created modified accessed' -- "$cur")); return ;;
    --export | --files-from)
      COMPREPLY=($(compgen -f -- "$cur"))
      compopt -o filenames
      return
      ;;
    -j | --jobs | --in-last | --between | --size-at-least | --size-at-most | --size-between | --separator) return ;;
  esac
  # The second value of the options that take two.
  case $before in
    --between | --size-between) return ;;
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W '-r --recursive -a --hidden --date-kind --in-last --between --size-at-least
      --size-at-most --size-between --files-from -0 --null --engine -j --jobs --format -q --quiet --by-folder
      --page-sizes --export --separator -h --help --version' -- "$cur"))
    return
  fi
  COMPREPLY=($(compgen -f -- "$cur"))
  compopt -o filenames
}
complete -F _folidex_count folidex-count

# zsh zsh_complete.zsh FOLDER 'COMMAND LINE'
# Prints, one a line, the completions zsh offers at the end of the command line, with the
# completion functions of FOLDER. An interactive zsh on a pseudo-terminal gets the line and
# a TAB; compadd, which every completion function ends in, is wrapped to print its matches.
zmodload zsh/zpty
zpty shell zsh -f -i
zpty -w shell "PROMPT= ; fpath=(${(q)1} \$fpath); autoload -U compinit; compinit -u -D"
zpty -w shell 'compadd () { builtin compadd -O __hits "$@"; local h; for h in $__hits; do print; print -r -- "<<$h>>"; done; builtin compadd "$@" }'
# TAB completes and then says so, so that the next keys wait for the completion.
zpty -w shell 'complete-and-tell () { zle complete-word; print -r -- "<<COMP""LETED>>" }; zle -N complete-and-tell'
zpty -w shell "bindkey '^I' complete-and-tell; print -r -- RE''ADY"
zpty -r shell output '*READY*'
zpty -n -w shell "$2"$'\t'
zpty -r shell output '*<<COMPLETED>>*'
zpty -w shell $'\C-uprint -r -- DO\'\'NE'
zpty -r shell rest '*DONE*'
zpty -d shell
print -r -- "$output" | tr -d '\r' | sed -n 's/^<<\(.*\)>>$/\1/p' | grep -vx COMPLETED

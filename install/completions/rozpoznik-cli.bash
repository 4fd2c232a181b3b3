# bash completion for rozpoznik-cli: its options, then files and folders.

_rozpoznik_cli() {
  local cur prev words cword
  _init_completion || return

  local i
  for ((i = 1; i < cword; i++)); do
    if [[ ${words[i]} == -- ]]; then
      _filedir
      return
    fi
  done

  case $prev in
    -j | --jobs)
      return
      ;;
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W '--json --csv -r --recursive -j --jobs --mismatches --explain
      --ranked --summary --list-types -h --help --' -- "$cur"))
    return
  fi
  _filedir
}
complete -F _rozpoznik_cli rozpoznik-cli

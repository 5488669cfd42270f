# SPDX-License-Identifier: MIT
# Bash completion for kestrum-convert: its options, ZR logs (.bin in any
# letter case) and folders as LOG, ADIF files for -o, folders for -d.
# Installed as share/bash-completion/completions/kestrum-convert, where
# bash-completion loads it on first use.

_kestrum_convert() {
  local cur prev words cword
  _init_completion -s || return

  case $prev in
    -o | --output)
      _filedir '[aA][dD][iI]'
      return
      ;;
    -d | --output-dir)
      _filedir -d
      return
      ;;
    --contest-id-text)
      return  # free text: nothing to offer
      ;;
    -h | --help | -V | --version)
      return
      ;;
  esac
  $split && return

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W '-o --output -d --output-dir -r --recursive
      -n --no-clobber -q --quiet --six-meters --arrl-ss --vexo --operator
      --wpx --no-seconds --no-frequency --adif3 --contest-id
      --contest-id-text -h --help -V --version' -- "$cur"))
    [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    return
  fi
  _filedir '[bB][iI][nN]'
} &&
  complete -F _kestrum_convert kestrum-convert

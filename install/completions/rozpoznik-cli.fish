# fish completion for rozpoznik-cli: its options; files and folders come by default.

complete -c rozpoznik-cli -l json -d 'Print one JSON object per file per line'
complete -c rozpoznik-cli -s r -l recursive -d 'Identify every file below the named folders'
complete -c rozpoznik-cli -s h -l help -d 'Explain the options, output and exit status'

# fish completion for rozpoznik-cli: its options; files and folders come by default.

complete -c rozpoznik-cli -l json -d 'Print one JSON object per file per line'
complete -c rozpoznik-cli -l csv -d 'Print CSV, one row per candidate'
complete -c rozpoznik-cli -s r -l recursive -d 'Identify every file below the named folders'
complete -c rozpoznik-cli -s j -l jobs -x -d 'Threads that identify files'
complete -c rozpoznik-cli -l mismatches -d 'Print only files whose extension is not among their candidates'
complete -c rozpoznik-cli -l explain -d 'Show what made each candidate fit'
complete -c rozpoznik-cli -l ranked -d 'Order candidates by the bytes their signatures pin'
complete -c rozpoznik-cli -l summary -d 'Print counts and the time taken at the end'
complete -c rozpoznik-cli -l list-types -d 'Print every description of the catalogue'
complete -c rozpoznik-cli -s h -l help -d 'Explain the options, output and exit status'

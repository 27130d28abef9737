# SPDX-License-Identifier: GPL-3.0-or-later
# Completion of ordalune's options for fish; goal names are asked of the program itself.
complete -c ordalune -f
complete -c ordalune -s m -d 'Open another window'
for option in start stop toggle
    complete -c ordalune -l $option -x -a '(ordalune --goal-names 2>/dev/null)' -d 'A goal'
end
complete -c ordalune -l stop-all -d 'Stop every clock'
complete -c ordalune -l add -x -d 'Add a goal'
complete -c ordalune -l total -x -d "The new goal's Total"
complete -c ordalune -l status -d 'The running clocks'
complete -c ordalune -l json -d 'With --status: every goal as JSON'
complete -c ordalune -l export-history -x -a 'csv json' -d 'Print the history of time spent'
complete -c ordalune -l from -x -d 'First day, YYYY-MM-DD'
complete -c ordalune -l to -x -d 'Last day, YYYY-MM-DD'
complete -c ordalune -l goal-names -d "The goals' names"
complete -c ordalune -l version -d 'The version'
complete -c ordalune -s h -l help -d 'The options'

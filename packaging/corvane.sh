#!/bin/sh
# The corvane command: starts the program from its own folder, where it finds
# its settings, style sheet, translations and default poster. exec keeps the
# process name "Corvane", which the single-instance guard counts.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/corvane/Corvane" "$@"

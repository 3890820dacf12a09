#!/bin/sh
# The corvane-server command: the headless server, started from the program
# folder, where it finds its settings file and translations.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/corvane/corvane-server" "$@"

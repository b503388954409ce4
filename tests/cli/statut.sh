#!/bin/sh
# Runs a command, shows its standard error with its output, then its exit status.
"$@" 2>&1
echo "statut-$?"

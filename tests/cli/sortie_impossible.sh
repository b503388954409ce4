#!/bin/sh
# Runs kalder-theme with its standard output closed, then shows its exit status.
"$@" 2>&1 >&-
echo "statut-$?"

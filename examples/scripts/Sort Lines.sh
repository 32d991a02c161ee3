#!/bin/sh
# The selected lines in alphabetical order, duplicates kept.
exec sort

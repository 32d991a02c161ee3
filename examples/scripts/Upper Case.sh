#!/bin/sh
# The selection in capital letters (letters beyond ASCII too).
exec env LC_ALL=C.UTF-8 sed 's/.*/\U&/'

#!/bin/sh
# The selection followed by its number of words, e.g. "… (42 words)".
text=$(cat)
words=$(printf '%s' "$text" | wc -w)
printf '%s (%d words)\n' "$text" "$words"

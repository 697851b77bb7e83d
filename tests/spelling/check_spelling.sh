#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Spell-checks texts with aspell's US English dictionary plus a short list of Orvane's own words,
# and fails listing every word that neither knows. The printer prints the texts: the help texts
# (print_help_texts), or with --texts every text the screenshots show (orvane-screenshots).
# Usage: check_spelling.sh <printer program> <orvane-words.txt> [printer arguments...]
set -euo pipefail

if (($# < 2)); then
    echo "usage: $0 <printer program> <word list> [printer arguments...]" >&2
    exit 2
fi
printer=$1
word_list=$2
shift 2

if ! command -v aspell >/dev/null; then
    echo "aspell is missing: install Debian's aspell and aspell-en" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# aspell's personal word list: a header line, then one word a line.
{
    echo "personal_ws-1.1 en 0"
    sed '/^[[:space:]]*$/d' "$word_list"
} >"$work/orvane.pws"

"$printer" "$@" >"$work/texts.txt"
if [[ ! -s "$work/texts.txt" ]]; then
    echo "$printer printed no texts" >&2
    exit 1
fi

aspell --lang=en_US --encoding=utf-8 --personal="$work/orvane.pws" list \
    <"$work/texts.txt" | sort -u >"$work/unknown.txt"

if [[ -s "$work/unknown.txt" ]]; then
    echo "Words that aspell doesn't know in the texts:" >&2
    while read -r word; do
        echo "  $word: $(grep -m 1 -w -- "$word" "$work/texts.txt" | cut -c 1-70)..." >&2
    done <"$work/unknown.txt"
    exit 1
fi
echo "$(wc -l <"$work/texts.txt") texts, no unknown words"

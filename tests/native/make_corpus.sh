#!/usr/bin/env bash
# Writes the fuzz targets' seed corpora (corpus/*), a few tiny inputs in the layouts described at
# the top of fuzz_replace_subtext.cpp and fuzz_concat_text.cpp. Run from anywhere; rewrites them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
r=corpus/replace_subtext c=corpus/concat_text
mkdir -p $r $c

# Replace: flags, start, count, target length, replacement length, cut offset, then the bytes.
printf '\x01\x00\x00\x02\x01\x00XbcABCabc'          > $r/plain_matches
printf '\x09\x00\x01\x02\x01\x00Xbcabcabc'          > $r/count_one
printf '\x03\x03\x00\x02\x01\x00Xbcabcabc'          > $r/start_three
printf '\x00\x00\x00\x01\x01\x00XbABC'              > $r/case_insensitive
printf '\x01\x00\x00\x02\x01\x00baaaaa'             > $r/overlapping_target
printf '\x01\x00\x00\x01\x01\x00Xa\xb0a'            > $r/second_byte_not_matched
printf '\x01\x00\x00\x02\x01\x00Yxyab\xb0'          > $r/lone_lead_at_end
printf '\x21\x00\x00\x02\x01\x01/a\x81\x5c\\\x81\x5c' > $r/target_cut_from_text
printf '\x41\x00\x00\x00\x00\x00'                   > $r/everything_null

# Concat: flags, then the parts separated by zero bytes.
printf '\x01C:\\Games\x00/settings.ini'             > $c/two_pointers
printf '\x3fa\x00b\x00\x81\x5c\x00d'                > $c/four_texts
printf '\x45\x00\x00'                               > $c/empty_parts_as_null
printf '\x0a\x00D:\\\x81\x5c\x00\xb0'               > $c/three_mixed

# What the session left on disk.
set -e
fail() { echo "rec_file_hazards: $*"; ls -la; exit 1; }
lines() { wc -l < "$1"; }
[ -p pipe.棋譜 ] || fail "the pipe was touched"
[ "$(stat -c %a locked.棋譜)" = 444 ] && [ "$(lines locked.棋譜)" = 1 ] || fail "the read-only record was replaced"
[ "$(stat -c %a shared.棋譜)" = 640 ] || fail "the replaced record lost its mode"
[ "$(lines shared.棋譜)" = 5 ] || fail "the record was not replaced"
[ -L link.棋譜 ] && [ "$(lines elsewhere/real.棋譜)" = 5 ] || fail "the link was not written through"
[ -f 'ああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああab.棋譜' ] || fail "the 200-byte name was not saved"
[ ! -e .stale.棋譜.Ab12Cd ] || fail "a stale temporary was left"
[ -e .fresh.棋譜.Ef34Gh ] || fail "a temporary another save may be writing was removed"
[ -e .notes.txt.Ab12Cd ] || fail "another program's file was removed"
[ -z "$(find . -name '.*.棋譜.??????' -newer .fresh.棋譜.Ef34Gh)" ] || fail "this session left a temporary"

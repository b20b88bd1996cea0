# Files git cannot hold: a pipe, modes, a link, temporaries of various ages.
set -e
mkfifo pipe.棋譜
printf 'old\r\n' > locked.棋譜 && chmod 0444 locked.棋譜
printf 'old\r\n' > shared.棋譜 && chmod 0640 shared.棋譜
mkdir elsewhere && printf 'old\r\n' > elsewhere/real.棋譜 && ln -s elsewhere/real.棋譜 link.棋譜
for t in .stale.棋譜.Ab12Cd .notes.txt.Ab12Cd .fresh.棋譜.Ef34Gh; do printf x > "$t"; done
touch -d '-2 minutes' .stale.棋譜.Ab12Cd .notes.txt.Ab12Cd

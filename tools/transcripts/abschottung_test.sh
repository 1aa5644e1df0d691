#!/bin/sh
# The transcript runner keeps a crash and a hang inside one file to that file: three files,
# the first aborts, the second stops answering, the third must still run and pass. What the
# first file reported before it died is kept.
# Usage: abschottung_test.sh PATH/TO/transcripts
set -u
runner=$1
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

cat >"$ordner/absturz.qtr" <<'EOF'
> PUNKT A 1 2 3
= "A ist der Punkt (1.0,2.0,3.0)."
~ "not in the answer"
> PUNKT B 4 5 6
= "never checked"
EOF
cat >"$ordner/haenger.qtr" <<'EOF'
> PUNKT C 0 0 1
EOF
cat >"$ordner/gut.qtr" <<'EOF'
> PUNKT A 1 2 3
@# 1
EOF

ausgabe=$(QUODRAL_TRANSKRIPT_ABBRUCH="PUNKT B 4 5 6" QUODRAL_TRANSKRIPT_HAENGEN="PUNKT C 0 0 1" \
    QUODRAL_TRANSKRIPT_ZEITLIMIT=2 "$runner" "$ordner/absturz.qtr" "$ordner/haenger.qtr" "$ordner/gut.qtr")
code=$?
printf '%s\n' "$ausgabe"

fehler=0
erwarte() {
    if ! printf '%s\n' "$ausgabe" | grep -qF -- "$1"; then
        echo "MISSING: $1"
        fehler=1
    fi
}
erwarte "absturz.qtr:3: after > PUNKT A 1 2 3"
erwarte "absturz.qtr:4: crashed with signal 6 (Aborted); last statement: > PUNKT B 4 5 6"
erwarte "haenger.qtr:1: stopped after 2 s without coming to an end; last statement: > PUNKT C 0 0 1"
# A check passed and one failed in the crashing file, one more failure for each broken file,
# and the good file's check.
erwarte "2 passed, 3 failed"
if [ "$code" -eq 0 ]; then
    echo "the runner's exit code is 0 after failures"
    fehler=1
fi
exit $fehler

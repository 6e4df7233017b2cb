#!/usr/bin/env bash
# The disc signed with a certificate from a CA made here and now: its programs carry a SHA-1 and
# a nested SHA-256 signature that both verify against that CA, the launcher without its
# signatures is the unsigned build byte for byte, a byte changed after signing fails
# verification (one of the list of the disc's files among them), the same folder makes the same
# signed disc, and the signed launcher starts and shows its window. Without a time stamp the
# disc says its signatures end with the certificate. A certificate, key or password that cannot
# sign, or a certificate of another CA, stops the disc with a message naming it, and no ISO is
# written. Prints the plain pass/fail line CI reads.
#
#   check_signing.sh SOURCE-FOLDER      (in a test lane: its Wine prefix and display)
set -u
cd "$1"
source tools/wine/env.sh
source build/win32/game/game.env
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
source tests/files/check.sh

# A CA, and a code-signing certificate it issued for an encrypted key.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/ca.key" -out "$work/ca.pem" -days 1 \
    -subj "/CN=Disc Test CA" -addext basicConstraints=critical,CA:TRUE \
    -addext keyUsage=critical,keyCertSign 2>/dev/null
echo disc-test >"$work/password"
openssl req -newkey rsa:2048 -passout "file:$work/password" -keyout "$work/signer.key" \
    -out "$work/signer.csr" -subj "/CN=Disc Test Publisher" 2>/dev/null
printf '%s\n' basicConstraints=CA:FALSE keyUsage=critical,digitalSignature \
    extendedKeyUsage=codeSigning >"$work/signer.ext"
openssl x509 -req -in "$work/signer.csr" -CA "$work/ca.pem" -CAkey "$work/ca.key" \
    -CAcreateserial -days 1 -extfile "$work/signer.ext" -out "$work/signer.pem" 2>/dev/null
openssl genrsa -out "$work/other.key" 2048 2>/dev/null
# A publisher whose certificate another CA issued.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/other-ca.key" -out "$work/other-ca.pem" \
    -days 1 -subj "/CN=Other CA" -addext basicConstraints=critical,CA:TRUE \
    -addext keyUsage=critical,keyCertSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout "$work/stranger.key" -out "$work/stranger.csr" \
    -subj "/CN=Other Publisher" 2>/dev/null
openssl x509 -req -in "$work/stranger.csr" -CA "$work/other-ca.pem" -CAkey "$work/other-ca.key" \
    -CAcreateserial -days 1 -extfile "$work/signer.ext" -out "$work/stranger.pem" 2>/dev/null
wrong_password="$work/wrong-password"
echo wrong >"$wrong_password"
signing=(SIGN_CERT="$work/signer.pem" SIGN_KEY="$work/signer.key" SIGN_PASS_FILE="$work/password"
    SIGN_CA="$work/ca.pem")

# ISO, then the signing settings, the later ones winning.
disc() {
    local iso="$1"
    shift
    env "$@" tools/disc/make_iso.sh "$iso" "$work/root" >"$work/log" 2>&1
}
verifies() { osslsigncode verify -CAfile "$work/ca.pem" -in "$1" >"$work/verified" 2>&1; }
signed_with() { grep -q "Message digest algorithm  : $1" "$work/verified"; }

disc "$work/signed.iso" "${signing[@]}"
check "the signed disc is written" "[ -f '$work/signed.iso' ] || cat '$work/log'"
check "it says its signatures end with the certificate" \
    "grep -q 'valid only until the certificate expires' '$work/log'"
xorriso -osirrox on -indev "$work/signed.iso" -extract / "$work/disc" >/dev/null 2>&1
for program in launcher.exe "$GAME_SETUP" "payload/$GAME_DEFAULT_APP_FILE"; do
    check "$program verifies against the CA" "verifies '$work/disc/$program'"
    check "$program is signed with SHA-1 and SHA-256" "signed_with SHA1 && signed_with SHA256"
done
launcher="$work/disc/launcher.exe"
osslsigncode remove-signature -in "$launcher" -out "$work/unsigned.exe" >/dev/null 2>&1
check "without its signature the launcher is the disc's unsigned build" \
    "cmp -s '$work/unsigned.exe' build/win32/disc_launcher.exe"
# CHANGED OFFSET: a copy of the signed launcher with one byte changed.
change() {
    cp "$launcher" "$work/$1"
    printf X | dd of="$work/$1" bs=1 seek="$2" conv=notrunc 2>/dev/null
}
change changed.exe 4096
check "a byte changed after signing fails verification" "! verifies '$work/changed.exe'"
listed=$(grep -obaF "# The disc's files" "$launcher" | head -1 | cut -d: -f1)
change relisted.exe $((listed + 70))
check "the list of the disc's files is signed: one edited fails verification" \
    "[ -n '$listed' ] && ! verifies '$work/relisted.exe'"
disc "$work/again.iso" "${signing[@]}"
check "the same folder makes the same signed disc, byte for byte" \
    "cmp '$work/signed.iso' '$work/again.iso'"

title="  v\\. "
pid=""
check "the signed launcher shows its window" \
    "pid=\$(wine_env_start_window '$title' '$work/disc' '$launcher')"
[ -z "$pid" ] || kill "$pid"
# The next test finds no launcher window but its own.
for _ in $(seq 50); do
    xdotool search --name "$title" >/dev/null 2>&1 || break
    sleep 0.2
done

# What stops the disc, and what the message names.
refusals=(
    "SIGN_KEY=$work/other.key|SIGN_KEY: $work/other.key does not match the certificate"
    "SIGN_PASS_FILE=$wrong_password|SIGN_PASS_FILE: the password in $wrong_password does not open"
    "SIGN_CERT=$work/missing.pem|SIGN_CERT: no such file: $work/missing.pem"
    "SIGN_CERT=$work/stranger.pem SIGN_KEY=$work/stranger.key|do not verify against the CAs in $work/ca.pem"
)
for refusal in "${refusals[@]}"; do
    setting=${refusal%%|*}
    # One or two settings, split at the space (the scratch folder's path has none).
    # shellcheck disable=SC2086
    disc "$work/refused.iso" "${signing[@]}" $setting
    check "$setting stops the disc" \
        "[ $? -ne 0 ] && grep -qF '${refusal#*|}' '$work/log' && [ ! -e '$work/refused.iso' ]"
done
checks_done

#!/usr/bin/env bash
# Signs programs in place with Authenticode, SHA-1 with a nested SHA-256 signature (XP checks
# the first, later Windows the second), then verifies both:
#
#   SIGN_CERT=FILE SIGN_KEY=FILE [SIGN_PASS_FILE=FILE] [SIGN_TIMESTAMP=URL] [SIGN_CA=FILE] \
#       [SIGN_TIME=SECONDS] tools/disc/sign.sh PROGRAM...
#
# The certificate and the key are PEM; an encrypted key's password is the first line of
# SIGN_PASS_FILE. SIGN_TIMESTAMP names an RFC 3161 time-stamp server. A signature must lead to a
# certificate of SIGN_CA (the system's trusted ones unless given). Whatever is wrong stops it
# with a message naming it, before the program is touched. Without SIGN_TIMESTAMP it says that
# the signatures end with the certificate.
set -euo pipefail

fail() {
    echo "sign: $*" >&2
    exit 1
}

# NAME: the variable is set and names a file that can be read.
need_file() {
    local name="$1" file="${!1:-}"
    [ -n "$file" ] || fail "$name is not set: signing needs SIGN_CERT and SIGN_KEY"
    [ -f "$file" ] && [ -r "$file" ] || fail "$name: no such file: $file"
}

need_file SIGN_CERT
need_file SIGN_KEY
# Never a prompt: a key read without a password file is tried with an empty one.
openssl_password=(-passin pass:)
signing_password=()
if [ -n "${SIGN_PASS_FILE:-}" ]; then
    need_file SIGN_PASS_FILE
    openssl_password=(-passin "file:$SIGN_PASS_FILE")
    signing_password=(-readpass "$SIGN_PASS_FILE")
fi
trusted=${SIGN_CA:-/etc/ssl/certs/ca-certificates.crt}
SIGN_CA=$trusted need_file SIGN_CA

certificate_key=$(openssl x509 -in "$SIGN_CERT" -noout -pubkey 2>/dev/null) ||
    fail "SIGN_CERT: $SIGN_CERT is not a PEM certificate"
if ! private_key=$(openssl pkey -in "$SIGN_KEY" "${openssl_password[@]}" -pubout 2>/dev/null); then
    grep -q ENCRYPTED "$SIGN_KEY" || fail "SIGN_KEY: $SIGN_KEY is not a PEM private key"
    [ -n "${SIGN_PASS_FILE:-}" ] ||
        fail "SIGN_KEY: $SIGN_KEY is encrypted: name the file holding its password in" \
            "SIGN_PASS_FILE"
    fail "SIGN_PASS_FILE: the password in $SIGN_PASS_FILE does not open $SIGN_KEY"
fi
[ "$certificate_key" = "$private_key" ] ||
    fail "SIGN_KEY: $SIGN_KEY does not match the certificate in $SIGN_CERT"

# A fixed signing time (SIGN_TIME, seconds since 1970) makes the same signature each time.
time_stamp=(${SIGN_TIME:+-time "$SIGN_TIME"})
if [ -n "${SIGN_TIMESTAMP:-}" ]; then
    time_stamp+=(-ts "$SIGN_TIMESTAMP")
else
    echo "sign: no SIGN_TIMESTAMP: the signatures are valid only until the certificate" \
        "expires ($(openssl x509 -in "$SIGN_CERT" -noout -enddate | cut -d= -f2));" \
        "a time stamp keeps them valid after that" >&2
fi

log=$(mktemp)
trap 'rm -f "$log" "${signed:-}" "${first:-}"' EXIT
# DIGEST IN OUT [-nest]: one signature of the program.
sign() {
    osslsigncode sign -certs "$SIGN_CERT" -key "$SIGN_KEY" "${signing_password[@]}" -h "$1" \
        "${time_stamp[@]}" "${@:4}" -in "$2" -out "$3" >"$log" 2>&1 ||
        fail "could not sign $program:"$'\n'"$(cat "$log")"
}
for program in "$@"; do
    first="$program.sha1" signed="$program.signed"
    sign sha1 "$program" "$first"
    sign sha256 "$first" "$signed" -nest
    osslsigncode verify -CAfile "$trusted" -in "$signed" >"$log" 2>&1 &&
        grep -q "Number of verified signatures: 2" "$log" ||
        fail "the signatures of $program do not verify against the CAs in $trusted" \
            "(SIGN_CA names another file of them):"$'\n'"$(grep -iE 'error|fail' "$log")"
    rm "$first"
    # The program keeps its date, as the disc keeps the publisher's.
    touch -r "$program" "$signed"
    mv "$signed" "$program"
done

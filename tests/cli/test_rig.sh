# Sourced by the command tests: a fresh work folder, removed on exit and made the current one,
# and `fails`, which requires a command to fail with a given message.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Where `fails` looks for the message: "err", the error output; "any", either output (the
# status lines of a transfer).
fails_output=err

fails() { # fails EXPECTED-MESSAGE COMMAND...: the command must fail with that message
    expected=$1
    shift
    status=0
    if [ "$fails_output" = any ]; then
        timeout 30 "$@" >msg.txt 2>&1 || status=$?
    else
        timeout 30 "$@" 2>msg.txt >/dev/null || status=$?
    fi
    if [ "$status" -eq 0 ]; then
        echo "unexpected success: $*" >&2
        exit 1
    fi
    grep -qF -- "$expected" msg.txt || { echo "wrong message for $*:" >&2; cat msg.txt >&2; exit 1; }
}

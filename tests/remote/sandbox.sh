#!/bin/sh
# Runs a test program in surroundings of its own, so that nothing it does
# reaches the machine's network, keyring or trust store:
#   - a test certificate authority, made here, is the only one trusted
#     (a private mount namespace puts its folder over /etc/ssl/certs);
#   - host names resolve from /etc/hosts alone, so no lookup leaves the machine;
#   - a private D-Bus session with its own gnome-keyring-daemon is the
#     desktop's keyring, and HOME and the XDG folders are fresh folders.
# The test finds the authority's files in DORVANE_TEST_PKI and its
# folder in DORVANE_TEST_HOME.
#   sandbox.sh PROGRAM [ARGUMENTS...]
set -eu
case "${1:-}" in
  --keyring)  # inside the private D-Bus session
    shift
    printf 'keyring password' | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    exec unshare --mount --propagation private "$0" --mounts "$@" ;;
  --mounts)  # inside the private mount namespace
    shift
    mount --bind "$DORVANE_TEST_PKI/trusted" /etc/ssl/certs
    mount --bind "$DORVANE_TEST_PKI/../nsswitch.conf" /etc/nsswitch.conf
    exec "$@" ;;
esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pki="$work/pki"
mkdir -p "$pki/trusted" "$work/home/.config" "$work/home/.local/share" "$work/home/.cache" "$work/run"
chmod 700 "$work/run"

# A server certificate for 127.0.0.1: name, days valid (negative: expired),
# the names it is made out for, and "self" to sign it by itself rather than
# by the test authority.
cert() {
  openssl req -newkey rsa:2048 -nodes -keyout "$pki/$1.key" -subj "/CN=$1" -out "$pki/$1.csr" 2>/dev/null
  printf 'subjectAltName=%s\n' "$3" > "$pki/$1.ext"
  if [ "${4:-}" = self ]; then
    openssl x509 -req -in "$pki/$1.csr" -signkey "$pki/$1.key" -days "$2" -extfile "$pki/$1.ext" -out "$pki/$1.pem" 2>/dev/null
  else
    openssl x509 -req -in "$pki/$1.csr" -CA "$pki/ca.pem" -CAkey "$pki/ca.key" -CAcreateserial -days "$2" \
      -extfile "$pki/$1.ext" -out "$pki/$1.pem" 2>/dev/null
  fi
}
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$pki/ca.key" -subj "/CN=Dorvane Test Authority" -days 2 \
  -out "$pki/ca.pem" 2>/dev/null
cert trusted-server 2 IP:127.0.0.1,DNS:localhost
cert stranger 2 IP:127.0.0.1,DNS:localhost self
cert expired -1 IP:127.0.0.1,DNS:localhost
cert elsewhere 2 DNS:elsewhere.example
cp "$pki/ca.pem" "$pki/trusted/dorvane-test-ca.pem"
cp "$pki/ca.pem" "$pki/trusted/ca-certificates.crt"
openssl rehash "$pki/trusted" 2>/dev/null || c_rehash "$pki/trusted" >/dev/null
printf 'hosts: files\n' > "$work/nsswitch.conf"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
       XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" DORVANE_TEST_PKI="$pki" DORVANE_TEST_HOME="$work/home"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY no_proxy NO_PROXY SSL_CERT_FILE SSL_CERT_DIR
set +e
dbus-run-session -- "$0" --keyring "$@"
exit $?

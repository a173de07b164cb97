#!/usr/bin/env bash
# tools/farm-capture.sh over a real ssh login to this machine: an sshd of the test's
# own on 127.0.0.1 (a free port, a host key and a login key made for the test)
# takes GNU Parallel's logins; the ranges are captured in the login's home folder,
# brought back with --return and removed there with --cleanup, and the joined video
# is the single capture.
set -u
exe=$1
show=$2
tools=$3
source "$(dirname "$0")/farm_helpers.sh"
require_root "a login to this machine as the same user"

sshd_pid=""
stop_sshd() { [ -z "$sshd_pid" ] || { kill "$sshd_pid" 2>/dev/null; wait "$sshd_pid" 2>/dev/null; sshd_pid=""; }; }
trap 'stop_sshd; rm -rf "$work"' EXIT

port=$(free_port)
ssh-keygen -q -t ed25519 -N '' -C flashstep-farm-host -f "$work/host_key"
ssh-keygen -q -t ed25519 -N '' -C flashstep-farm-login -f "$work/login_key"
printf 'from="127.0.0.1" %s\n' "$(cat "$work/login_key.pub")" >"$work/authorized_keys"
cat >"$work/sshd_config" <<CONF
ListenAddress 127.0.0.1:$port
HostKey $work/host_key
PidFile $work/sshd.pid
AuthorizedKeysFile $work/authorized_keys
AuthenticationMethods publickey
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
UsePAM no
StrictModes no
LogLevel VERBOSE
CONF
cat >"$work/ssh_config" <<CONF
Host farmhost
  HostName 127.0.0.1
  Port $port
  User $(id -un)
  IdentityFile $work/login_key
  IdentitiesOnly yes
  HostKeyAlias farmhost
  UserKnownHostsFile $work/known_hosts
  StrictHostKeyChecking yes
  BatchMode yes
CONF
echo "farmhost $(cat "$work/host_key.pub")" >"$work/known_hosts"

# sshd wants its privilege separation folder, which Debian's service makes at boot.
mkdir -p /run/sshd
"$(command -v sshd)" -D -e -f "$work/sshd_config" 2>"$work/sshd.log" &
sshd_pid=$!
listening() { ss -Htln "sport = :$port" | grep -q .; }
if ! wait_until 30 listening; then
  fail "sshd does not listen on port $port"; cat "$work/sshd.log"; exit 1
fi
home=$(ssh -F "$work/ssh_config" farmhost pwd) && pass "a login to farmhost lands in $home" ||
  { fail "no login: $(tail -n 5 "$work/sshd.log")"; exit 1; }

capture_single single.mp4 || fail "the single capture"

# Each line of the login file names its ssh command, as GNU Parallel allows.
echo "ssh -F $work/ssh_config farmhost" >"$work/hosts"
mkdir -p "$work/farm"
logins_before=$(grep -c "Accepted publickey" "$work/sshd.log")
if (cd "$work/farm" && FLASHSTEP="$exe" "$tools/farm-capture.sh" ssh.mp4 --hosts "$work/hosts" --jobs 2 --end 1s \
  --crf 0 --data "$show" 2>"$work/farm.err"); then
  pass "the farm over ssh ran: $(tail -n 1 "$work/farm.err")"
else
  fail "the farm over ssh: $(cat "$work/farm.err")"
fi
logins=$(($(grep -c "Accepted publickey" "$work/sshd.log") - logins_before))
[ "$logins" -ge 8 ] && pass "$logins logins through the test's sshd" || fail "only $logins logins through the test's sshd"
expect_same_video "$work/farm/ssh.mp4" "$work/single.mp4" "8 ranges over ssh"
[ "$(ls -A "$work/farm")" = ssh.mp4 ] && pass "the local folder holds the video alone" ||
  fail "left in the local folder: $(ls -A "$work/farm")"
left=$(ssh -F "$work/ssh_config" farmhost "ls -A | grep -- '-part-' || true")
[ -z "$left" ] && pass "--cleanup left no part in $home" || fail "left in $home: $left"

stop_sshd
expect_nothing_left_running
finish

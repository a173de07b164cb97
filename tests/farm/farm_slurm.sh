#!/usr/bin/env bash
# tools/farm-capture.sbatch on a real single-node Slurm cluster started for the test
# (munged, slurmctld and slurmd as root, configured from what slurmd finds on this
# machine, every file in a scratch folder): the array and the join it waits for give
# the single capture; a range that fails cancels the join. The cluster is stopped
# afterwards with nothing of it left running.
set -u
exe=$1
show=$2
tools=$3
source "$(dirname "$0")/farm_helpers.sh"
require_root "a Slurm cluster of one node"

cluster="$work/cluster"
mkdir -p "$cluster/munge" "$cluster/state" "$cluster/spool"
daemons=()

stop_cluster() {
  local pid
  for pid in "${daemons[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${daemons[@]}"; do wait "$pid" 2>/dev/null; done
  daemons=()
}
trap 'stop_cluster; rm -rf "$work"' EXIT

start_munge() {
  head -c 1024 /dev/urandom >"$cluster/munge/munge.key"
  chmod 400 "$cluster/munge/munge.key"
  munged --foreground --socket="$cluster/munge/socket" --key-file="$cluster/munge/munge.key" \
    --pid-file="$cluster/munge/pid" --seed-file="$cluster/munge/seed" 2>"$cluster/munged.log" &
  daemons+=($!)
  wait_until 30 test -S "$cluster/munge/socket"
}

# One node as slurmd sees this machine, on ports free now, with no cgroups and no
# accounting; ended jobs are kept in the controller's memory for the test to read.
write_slurm_conf() {
  cat >"$cluster/slurm.conf" <<CONF
ClusterName=flashstep-test
SlurmctldHost=$(hostname -s)(127.0.0.1)
SlurmctldPort=$(free_port)
SlurmdPort=$(free_port)
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$cluster/munge/socket
CredType=cred/munge
StateSaveLocation=$cluster/state
SlurmdSpoolDir=$cluster/spool
SlurmctldPidFile=$cluster/slurmctld.pid
SlurmdPidFile=$cluster/slurmd.pid
SlurmctldLogFile=$cluster/slurmctld.log
SlurmdLogFile=$cluster/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
MpiDefault=none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
SchedulerParameters=sched_interval=1
ReturnToService=2
MinJobAge=3600
$(slurmd -C | head -n 1) NodeAddr=127.0.0.1 State=UNKNOWN
PartitionName=farm Nodes=ALL Default=YES MaxTime=INFINITE State=UP
CONF
}

node_idle() { [ "$(sinfo -h -o %T 2>/dev/null)" = idle ]; }

start_cluster() {
  start_munge || { fail "munged did not start"; cat "$cluster/munged.log"; return 1; }
  write_slurm_conf
  export SLURM_CONF="$cluster/slurm.conf"
  slurmctld -D -i -f "$SLURM_CONF" >/dev/null 2>&1 &
  daemons+=($!)
  slurmd -D -f "$SLURM_CONF" >/dev/null 2>&1 &
  daemons+=($!)
  wait_until 60 node_idle || { fail "the node is not idle: $(sinfo 2>&1)"; tail "$cluster"/*.log; return 1; }
  pass "a cluster of one node with $(sinfo -h -o %c) CPUs is up"
}

job_state() { scontrol show job "$1" 2>/dev/null | sed -n 's/.*JobState=\([A-Z_]*\).*/\1/p' | head -n 1; }
job_ended() { case $(job_state "$1") in COMPLETED | FAILED | CANCELLED | TIMEOUT | NODE_FAIL | OUT_OF_MEMORY) return 0 ;; esac; return 1; }

# The states of the array's tasks, one "task:STATE" per line.
task_states() {
  scontrol show job "$1" 2>/dev/null | awk '/ArrayTaskId=/ { match($0, /ArrayTaskId=[0-9]+/); t = substr($0, RSTART + 12, RLENGTH - 12) }
    /JobState=/ { match($0, /JobState=[A-Z_]+/); print t ":" substr($0, RSTART + 9, RLENGTH - 9) }' | sort
}

# Runs farm-capture.sbatch in folder $1 with the rest as its options; sets join, array and scratch.
submit_farm() {
  local folder=$1
  shift
  join=$(cd "$folder" && FLASHSTEP="$exe" "$tools/farm-capture.sbatch" "$@" 2>"$work/submit.err")
  array=$(sed -n 's/.* in array job \([0-9]*\).*/\1/p' "$work/submit.err")
  scratch=$(sed -n 's/.* parts in //p' "$work/submit.err")
  [ -n "$join" ] && [ -n "$array" ] || { fail "submission: $(cat "$work/submit.err")"; return 1; }
}

start_cluster || exit 1
capture_single single.mp4 || fail "the single capture"

# 1. Three ranges in the array, the join after them.
mkdir -p "$work/farm"
if submit_farm "$work/farm" slurm.mp4 --ranges 3 --end 1s --crf 0 --data "$show"; then
  wait_until 300 job_ended "$join" || fail "the join did not end in 300 s: $(squeue 2>&1)"
  [ "$(task_states "$array")" = "$(printf '1:COMPLETED\n2:COMPLETED\n3:COMPLETED')" ] &&
    pass "three array tasks completed" || fail "array tasks: $(task_states "$array" | tr '\n' ' ')"
  [ "$(job_state "$join")" = COMPLETED ] && pass "the join completed" || fail "the join ended $(job_state "$join")"
  expect_same_video "$work/farm/slurm.mp4" "$work/single.mp4" "slurm array of 3"
  [ ! -e "$scratch" ] && pass "the parts are gone" || fail "the parts are left in $scratch"
fi

# 2. Range 2 cannot write its part (a folder stands in its place): the task fails and
#    the join is cancelled instead of waiting for ever. The jobs are held until it is there.
mkdir -p "$work/broken"
if submit_farm "$work/broken" broken.mp4 --ranges 3 --end 1s --crf 0 --data "$show" -- --hold; then
  mkdir "$scratch/part-2.mp4"
  scontrol release "$array" "$join"
  wait_until 300 job_ended "$join" || fail "the join is still $(job_state "$join") after 300 s: $(squeue -h -j "$join" -o %R)"
  [ "$(task_states "$array" | grep '^2:')" = 2:FAILED ] && pass "the task of range 2 failed" ||
    fail "array tasks: $(task_states "$array" | tr '\n' ' ')"
  [ "$(job_state "$join")" = CANCELLED ] && pass "the join was cancelled" || fail "the join ended $(job_state "$join")"
  grep -q "cannot write" "$work/broken/flashstep-capture-${array}_2.log" && pass "range 2's log says why" ||
    fail "range 2's log: $(cat "$work/broken/flashstep-capture-${array}_2.log" 2>&1)"
  [ ! -e "$work/broken/broken.mp4" ] && pass "no video from a failed farm" || fail "broken.mp4 was made"
fi

stop_cluster
expect_nothing_left_running
finish

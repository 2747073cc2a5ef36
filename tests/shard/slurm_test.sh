#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sweep over two keys as a 4-task Slurm job array of shards, merged by index, equals the same
# sweep run whole, byte for byte. The test starts a single-node cluster of its own on this
# machine (munged, slurmctld and slurmd, their configuration, key, sockets, state and logs in a
# temporary folder, on ports of their own) and stops it after.
# Usage: slurm_test.sh BATCH_EXE. Exits 77 (skipped), saying why, when the daemons are missing,
# the test is not run as root, or the cluster does not come up.
set -euo pipefail
batch=$(readlink -f "$1")
skip() { echo "slurm test: skipped: $*"; exit 77; }
for tool in munged mungekey slurmctld slurmd sbatch sinfo scontrol; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (Debian: slurm-wlm, munge)"
done
[[ $(id -u) == 0 ]] || skip "slurmd runs jobs as their users and needs root"

dir=$(mktemp -d /tmp/kinovar-slurm.XXXXXX)
chmod 755 "$dir"
pids=()
stop() {
  # Only the daemons this test started, by their process ids, the last started first; one that
  # has not ended after 5 s is killed.
  local pid i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || continue
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then kill -9 "$pid" 2>/dev/null || true; fi
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$dir"
}
trap stop EXIT
logs() { for f in "$dir"/*.log; do echo "== $f"; tail -n 20 "$f"; done >&2; }

# munge: a key of our own and a socket in the folder.
mkdir -m 711 "$dir/munge"
mungekey -c -k "$dir/munge/key" >/dev/null 2>&1 ||
  dd if=/dev/urandom of="$dir/munge/key" bs=1024 count=1 status=none
chmod 400 "$dir/munge/key"
socket="$dir/munge/socket"
munged -F -f --key-file="$dir/munge/key" --socket="$socket" --pid-file="$dir/munge/pid" \
  --seed-file="$dir/munge/seed" --log-file="$dir/munged.log" >"$dir/munged.out" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -S $socket ]] && break; sleep 0.1; done
[[ -S $socket ]] || { logs; skip "munged did not start"; }

# Ports away from the defaults, so that a cluster of the machine's own is left alone.
base=$((20000 + RANDOM % 20000))
node=kinovar-node
mkdir -p "$dir/state" "$dir/spool"
cat >"$dir/slurm.conf" <<CONF
ClusterName=kinovartest
SlurmctldHost=localhost(127.0.0.1)
SlurmctldPort=$base
SlurmdPort=$((base + 1))
AuthType=auth/munge
AuthInfo=socket=$socket
CredType=cred/munge
SlurmUser=root
SlurmdUser=root
StateSaveLocation=$dir/state
SlurmdSpoolDir=$dir/spool
SlurmctldPidFile=$dir/slurmctld.pid
SlurmdPidFile=$dir/slurmd.pid
SlurmctldLogFile=$dir/slurmctld.log
SlurmdLogFile=$dir/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
SwitchType=switch/none
MpiDefault=none
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
PlugStackConfig=$dir/plugstack.conf
NodeName=$node NodeHostname=localhost NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=kinovar Nodes=$node Default=YES MaxTime=10 State=UP
CONF
: >"$dir/plugstack.conf"
export SLURM_CONF=$dir/slurm.conf

slurmctld -D -i -f "$SLURM_CONF" >"$dir/slurmctld.out" 2>&1 &
pids+=($!)
slurmd -D -N "$node" -f "$SLURM_CONF" >"$dir/slurmd.out" 2>&1 &
pids+=($!)
up=0
for _ in $(seq 60); do
  if timeout 5 sinfo -h -n "$node" -o %t 2>/dev/null | grep -q "^idle"; then up=1; break; fi
  sleep 0.5
done
((up)) || { logs; cat "$dir"/*.out >&2; skip "the cluster did not come up within 30 s"; }

sweep=(--set cycles=2 --sweep l2=18:40:7 --sweep b=-4:4:5 --sweep-autofill)
timeout 120 "$batch" "${sweep[@]}" --summary "$dir/whole.csv"

# The array as a cluster's user would submit it; --wait returns once every task has ended.
cat >"$dir/shards.sh" <<JOB
#!/bin/sh
exec "$batch" ${sweep[*]} --jobs 1 \\
  --shard "\$SLURM_ARRAY_TASK_ID/\$SLURM_ARRAY_TASK_COUNT" --summary "$dir/part\$SLURM_ARRAY_TASK_ID.csv"
JOB
timeout 180 sbatch --wait --quiet --array=0-3 --time=5 --chdir="$dir" \
  --output="$dir/task%a.log" "$dir/shards.sh" || { logs; echo "slurm test: the job array failed" >&2; exit 1; }
for k in 0 1 2 3; do
  [[ -s $dir/part$k.csv ]] || { logs; echo "slurm test: task $k wrote no shard" >&2; exit 1; }
done
cat "$dir"/part?.csv | LC_ALL=C sort -g -u >"$dir/merged.csv"
cmp "$dir/whole.csv" "$dir/merged.csv" || {
  diff "$dir/whole.csv" "$dir/merged.csv" | head -n 20 >&2
  echo "slurm test: the merged shards differ from the whole sweep" >&2; exit 1
}
echo "slurm test: a 4-task job array of shards merged equals the whole sweep"

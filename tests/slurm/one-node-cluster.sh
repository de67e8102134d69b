# A one-node Slurm cluster for tests and measurements, sourced by bash
# scripts. Everything lives in the folder $work (made by the caller): a MUNGE
# key and socket of its own, slurm.conf, state, spool and logs; the daemons
# listen on free ports, so a system cluster is neither needed nor touched.
#
#   cluster_start          starts munged, slurmctld and slurmd and waits for
#                          the node; calls cluster_unavailable REASON (defined
#                          by the caller) when that cannot be done
#   cluster_stop           cancels every job and stops the daemons it started
#
# CLUSTER_CPUS, when set, is the node's CPU count instead of the machine's
# (more tasks at once than there are cores, for measurements).
#
# SLURM_CONF is exported, so sbatch, squeue and scancel reach this cluster.

cluster_pids=()
export SLURM_CONF=$work/slurm.conf

cluster_free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 30000))
        (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
    done
}

cluster_start_munge() {
    mkdir -p "$work/munge"
    chmod 700 "$work" "$work/munge"
    head -c 1024 /dev/urandom >"$work/munge/munge.key"
    chmod 400 "$work/munge/munge.key"
    munged --foreground --force --key-file="$work/munge/munge.key" \
        --socket="$work/munge/munge.sock" --pid-file="$work/munge/munged.pid" \
        --log-file="$work/munged.log" --seed-file="$work/munge/munged.seed" \
        >>"$work/munged.log" 2>&1 &
    cluster_pids+=($!)
    for _ in $(seq 1 40); do
        [ -S "$work/munge/munge.sock" ] && return 0
        sleep 0.25
    done
    cluster_unavailable "munged did not start: $(tail -n 3 "$work/munged.log" 2>/dev/null)"
}

cluster_write_config() {
    local host=$1
    mkdir -p "$work/state" "$work/spool"
    cat >"$SLURM_CONF" <<CONF
ClusterName=pellintest
SlurmctldHost=$host(127.0.0.1)
SlurmctldPort=$(cluster_free_port)
SlurmdPort=$(cluster_free_port)
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$work/munge/munge.sock
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
MpiDefault=none
ReturnToService=2
KillWait=5
${CLUSTER_CPUS:+SlurmdParameters=config_overrides}
NodeName=$host NodeAddr=127.0.0.1 CPUs=${CLUSTER_CPUS:-$(nproc)} State=UNKNOWN
PartitionName=test Nodes=$host Default=YES MaxTime=INFINITE State=UP
CONF
}

cluster_start() {
    local host
    host=$(hostname -s)
    cluster_start_munge || return
    cluster_write_config "$host"
    # In the foreground the daemons also log to standard error: the files
    # have it all already.
    slurmctld -D -c -f "$SLURM_CONF" >/dev/null 2>&1 &
    cluster_pids+=($!)
    slurmd -D -f "$SLURM_CONF" -N "$host" >/dev/null 2>&1 &
    cluster_pids+=($!)
    for _ in $(seq 1 120); do
        case "$(sinfo -h -N -o %T 2>/dev/null)" in
            idle* | mixed* | allocated*) return 0 ;;
        esac
        sleep 0.25
    done
    cluster_unavailable "the one-node cluster did not come up: $(tail -n 3 "$work/slurmctld.log" \
        "$work/slurmd.log" 2>/dev/null | tr '\n' ' ')"
}

cluster_stop() {
    if [ ${#cluster_pids[@]} -gt 1 ]; then
        scancel --quiet --full --user="$(id -un)" 2>/dev/null
        for _ in $(seq 1 40); do
            [ -z "$(squeue -h 2>/dev/null)" ] && break
            sleep 0.5
        done
    fi
    local pid
    for pid in "${cluster_pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    for pid in "${cluster_pids[@]}"; do
        for _ in $(seq 1 40); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.25
        done
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    cluster_pids=()
}

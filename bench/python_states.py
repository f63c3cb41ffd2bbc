"""States per second of vaporwright.states over rows of numpy arrays, and the
memory it takes beside its inputs.

    python3 bench/python_states.py [ROWS]      (PYTHONPATH: the built package)

Dry bulb 0 to 110 °F and relative humidity 5 to 95 %, at the standard
atmosphere, as scripts/measure-batch.sh feeds vaporwright-batch. Prints
"name value" lines for scripts/measure-python.sh. Each figure is the best
of three wall-clock runs.
"""

import resource
import subprocess
import sys
import time

import numpy as np

import vaporwright as vw


def inputs(rows):
    rng = np.random.default_rng(1)
    return rng.uniform(0.0, 110.0, rows), rng.uniform(5.0, 95.0, rows)


def best_of_three(call):
    """The least wall-clock seconds and the least processor seconds (all
    threads of the process) of three calls."""
    wall = cpu = None
    for _ in range(3):
        start, start_cpu = time.perf_counter(), time.process_time()
        call()
        elapsed, elapsed_cpu = time.perf_counter() - start, time.process_time() - start_cpu
        wall = elapsed if wall is None else min(wall, elapsed)
        cpu = elapsed_cpu if cpu is None else min(cpu, elapsed_cpu)
    return wall, cpu


def peak_kib():
    """The process's peak resident memory (VmHWM: unlike getrusage's
    ru_maxrss, not inherited from the process that started it)."""
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss


def memory(rows):
    """Run in a process of its own: the peak resident memory of one call
    beyond the inputs, against the outputs it must hold."""
    t, rh = inputs(rows)
    before = peak_kib()
    result = vw.states(dry_bulb=t, relative_humidity=rh)
    after = peak_kib()
    outputs = sum(a.nbytes for a in result.values()) / 1024
    print(f"memory_extra_kib {after - before}")
    print(f"memory_outputs_kib {outputs:.0f}")


def main():
    rows = int(sys.argv[1]) if len(sys.argv) > 1 else 10_000_000
    if len(sys.argv) > 2 and sys.argv[2] == "memory":
        memory(rows)
        return
    t, rh = inputs(rows)
    print(f"rows {rows}")
    print(f"threads {vw._core.machine_threads}")
    # Per processor second as well: what a core does, however busy the
    # machine is with other work.
    for threads, name in ((None, "states_per_s"), (1, "states_per_s_one_thread")):
        wall, cpu = best_of_three(lambda: vw.states(dry_bulb=t, relative_humidity=rh,
                                                    threads=threads))
        print(f"{name} {rows / wall:.0f}")
        print(f"{name.replace('_per_s', '_per_cpu_s')} {rows / cpu:.0f}")
    # Two Python threads at once, each on one thread of the pool: the lock
    # of the interpreter is not held while rows are computed.
    import threading

    half = rows // 2

    def work(part):
        vw.states(dry_bulb=t[part], relative_humidity=rh[part], threads=1)

    def both():
        runners = [threading.Thread(target=work, args=(slice(0, half),)),
                   threading.Thread(target=work, args=(slice(half, rows),))]
        for r in runners:
            r.start()
        for r in runners:
            r.join()

    print(f"states_per_s_two_python_threads {rows / best_of_three(both)[0]:.0f}")
    out = subprocess.run([sys.executable, __file__, str(rows), "memory"], capture_output=True,
                         text=True, check=True)
    print(out.stdout, end="")


if __name__ == "__main__":
    main()

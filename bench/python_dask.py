"""vaporwright.dask.states on a local Dask cluster: one worker process of one
thread against two, over the same rows.

    python3 bench/python_dask.py [ROWS]        (PYTHONPATH: the built package)

Each partition makes its own rows where it runs (dry bulb 0 to 110 °F,
relative humidity 5 to 95 %), and only sums come back, so that the figure is
the computation and not the transfer of data. Prints "name value" lines;
each time is the best of three, the workers started beforehand.
"""

import sys
import time

import numpy as np
import pandas as pd

import dask.dataframe as dd
import distributed

import vaporwright.dask as vwd

PARTITION_ROWS = 500_000


def partition(k):
    rng = np.random.default_rng(k)
    return pd.DataFrame({
        "dry_bulb_F": rng.uniform(0.0, 110.0, PARTITION_ROWS),
        "relative_humidity_pct": rng.uniform(5.0, 95.0, PARTITION_ROWS),
    })


def seconds(workers, rows):
    with distributed.LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                                  dashboard_address=None, silence_logs=40) as cluster, \
            distributed.Client(cluster) as client:
        client.wait_for_workers(workers)
        parts = rows // PARTITION_ROWS
        best = None
        for _ in range(3):
            frame = dd.from_map(partition, range(parts))
            totals = vwd.states(frame, properties=["enthalpy", "wet_bulb"]).sum()
            start = time.perf_counter()
            totals.compute()
            elapsed = time.perf_counter() - start
            best = elapsed if best is None else min(best, elapsed)
        return best


def main():
    rows = int(sys.argv[1]) if len(sys.argv) > 1 else 8_000_000
    one = seconds(1, rows)
    two = seconds(2, rows)
    print(f"dask_rows {rows}")
    print(f"dask_one_worker_per_s {rows / one:.0f}")
    print(f"dask_two_workers_per_s {rows / two:.0f}")
    print(f"dask_speedup {one / two:.2f}")


if __name__ == "__main__":
    main()

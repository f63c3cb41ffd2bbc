"""States over a partitioned dataset on a local Dask cluster of two worker
processes: the very numbers of one process."""

import numpy as np
import pandas as pd
import pytest

import vaporwright as vw
import vaporwright.dask as vwd

dd = pytest.importorskip("dask.dataframe")
distributed = pytest.importorskip("distributed")


def write_dataset(folder, files=4, rows=5000):
    """Trend logs of several air handlers, one CSV per file, in the
    batch program's column names, with a few rows that are not air."""
    rng = np.random.default_rng(11)
    tables = []
    for k in range(files):
        table = pd.DataFrame({
            "time": pd.date_range("2024-01-01", periods=rows, freq="15min").astype(str),
            "dry_bulb_F": np.round(rng.uniform(-10.0, 110.0, rows), 2),
            "relative_humidity_pct": np.round(rng.uniform(0.0, 105.0, rows), 1),
            "pressure_psia": np.round(rng.uniform(11.0, 14.9, rows), 3),
        })
        table.loc[::997, "dry_bulb_F"] = np.nan
        table.to_csv(folder / f"ahu-{k}.csv", index=False)
        tables.append(table)
    return tables


def test_a_local_cluster_gives_the_numbers_of_one_process(tmp_path):
    tables = write_dataset(tmp_path)
    single = vw.frame(pd.concat(tables, ignore_index=True))

    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None, silence_logs=40) as cluster, \
            distributed.Client(cluster) as client:
        trends = dd.read_csv(str(tmp_path / "ahu-*.csv"), blocksize=None)
        assert trends.npartitions == 4
        air = vwd.states(trends)
        assert list(air.columns) == list(single.columns)
        futures = client.compute(air)
        clustered = futures.result()
        # Both workers took part.
        assert len(client.scheduler_info()["workers"]) == 2

    clustered = clustered.reset_index(drop=True)
    pd.testing.assert_frame_equal(clustered, single, check_exact=True)
    assert (single.reason != 0).sum() > 0


def test_columns_are_named_or_found():
    table = pd.DataFrame({"t_out": [20.0, 30.0], "rh_out": [50.0, 40.0], "p": [95.0, 101.325]})
    frame = dd.from_pandas(table, npartitions=2)
    named = vwd.states(frame, {"dry_bulb": "t_out", "relative_humidity": "rh_out"}, units="SI",
                       pressure="p").compute(scheduler="sync")
    direct = vw.frame(dry_bulb=table.t_out, relative_humidity=table.rh_out, pressure=table.p,
                      units="SI")
    pd.testing.assert_frame_equal(named, direct, check_exact=True)
    with pytest.raises(ValueError, match="no column"):
        vwd.states(frame, {"dry_bulb": "t_in", "relative_humidity": "rh_out"})
    with pytest.raises(ValueError, match="exactly two inputs"):
        vwd.states(frame)  # no column is named as an input

"""``vaporwright.states`` over the partitions of a Dask DataFrame.

Each partition is solved by ``vaporwright.frame`` where it lies, on one
thread per task by default, so that Dask spreads the work over its workers:
the threads of one machine (``dask.config.set(scheduler="threads")``), the
processes of a ``distributed.LocalCluster``, or a cluster of machines
started with ``dask scheduler`` and ``dask worker`` (every worker needs the
vaporwright package installed). The numbers are those of one process.

>>> import dask.dataframe as dd, vaporwright.dask
>>> trends = dd.read_csv("trends/*.csv")          # dry_bulb_F, relative_humidity_pct, ...
>>> air = vaporwright.dask.states(trends)          # lazy, partitioned as trends
>>> air.enthalpy.mean().compute()
"""

import vaporwright as _vw
from vaporwright import _vaporwright as _core

__all__ = ["states"]


def _columns(columns, inputs, units, pressure, altitude):
    """{input name: column} and the atmosphere ((name, column) or (name, number))."""
    columns = [c for c in columns if isinstance(c, str)]
    if inputs is None:
        inputs = {}
        for column in columns:
            quantity = _core.quantity_of(column, units)
            if quantity in _vw._INPUTS:
                inputs[column] = column
            elif quantity in _vw._ATMOSPHERES and pressure is None and altitude is None:
                if quantity == "pressure":
                    pressure = column
                else:
                    altitude = column
        # A column such as pressure_kPa keeps its own unit.
    else:
        inputs = dict(inputs)
        for name, column in inputs.items():
            if column not in columns:
                raise ValueError(f"{name}: no column {column!r} in the DataFrame")
    if pressure is not None and altitude is not None:
        raise ValueError("give the pressure or the altitude, not both")
    for value in (pressure, altitude):
        if isinstance(value, str) and value not in columns:
            raise ValueError(f"no column {value!r} in the DataFrame")
    if pressure is not None:
        return inputs, ("pressure", pressure)
    if altitude is not None:
        return inputs, ("altitude", altitude)
    return inputs, None


def _partition(part, inputs, atmosphere, units, properties, threads):
    mapping = {name: part[column] for name, column in inputs.items()}
    extra = {}
    if atmosphere is not None:
        name, value = atmosphere
        if isinstance(value, str):
            # A column: by its own name, so that a unit in it counts.
            quantity = _core.quantity_of(value, units)
            key = value if quantity in _vw._ATMOSPHERES else name
            mapping[key] = part[value]
        else:
            extra[name] = value
    table = _vw.frame(mapping, units, properties=properties, threads=threads, **extra)
    table.index = part.index
    return table


def states(frame, inputs=None, *, units="IP", pressure=None, altitude=None, properties=None,
           threads=1):
    """``vaporwright.states`` of every row of a Dask DataFrame, as a Dask DataFrame.

    ``inputs`` maps two input names of ``vaporwright.states`` (``dry_bulb``,
    ``relative_humidity``, ``dry_bulb_C``, ...) to columns of ``frame``;
    without it, the columns whose names are such inputs are taken (exactly
    two), and a column named as a pressure or altitude (``pressure_kPa``,
    ``altitude_ft``, ...) is the atmosphere. ``pressure`` or ``altitude`` is
    a number in the units of ``units`` or the name of a column; see
    ``help(vaporwright.states)`` for units and reasons.

    The result has the partitions and index of ``frame``, one column per
    property and ``reason``; nothing is computed until it is. ``threads``
    is the threads of one task (1: Dask's workers are the parallelism).
    """
    units = _vw._units(units)
    inputs, atmosphere = _columns(frame.columns, inputs, units, pressure, altitude)
    arguments = (inputs, atmosphere, units, properties, threads)
    # The result's layout, from the same function on the empty partition.
    meta = _partition(frame._meta, *arguments)
    return frame.map_partitions(_partition, *arguments, meta=meta)

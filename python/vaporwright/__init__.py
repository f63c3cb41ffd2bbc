"""Vaporwright's psychrometric compute core for numpy arrays and pandas.

Every state is solved by the compute core that serves the Vaporwright
calculator window and ``vaporwright-batch``: the same numbers, bit for bit,
at native speed on every core (the interpreter's lock is released and large
arrays are split over a pool of threads).

Functions:

- ``states`` and ``frame``: every property of moist air from two inputs, as
  a dict of arrays or a pandas DataFrame.
- ``process``, ``mix``, ``coil``, ``coil_leaving``, ``comfort`` and
  ``in_zone``: the chart workbench over arrays.
- ``read_weather``: the hours of an EPW or weather CSV file with their
  states, skipped rows and design conditions.
- ``reason_text`` and ``problem_text``: what a reason or problem code means.
- ``vaporwright.dask.states``: ``states`` over the partitions of a Dask
  DataFrame, for a cluster.

Units follow the calculator's unit systems, chosen by ``units``:

========================  ===============  ===============
quantity                  "IP"             "SI"
========================  ===============  ===============
temperatures              °F               °C
relative humidity         % (0 to 100)     % (0 to 100)
humidity ratio            lb/lb            kg/kg
enthalpy                  Btu/lb (0 °F)    kJ/kg (0 °C)
pressures                 psia             kPa
altitude                  ft               m
specific volume           ft³/lb           m³/kg
density, abs. humidity    lb/ft³           kg/m³
========================  ===============  ===============
"""

import enum as _enum
import os as _os

import numpy as _np

from . import _vaporwright as _core

__all__ = [
    "PROPERTIES",
    "PROCESS_KINDS",
    "Problem",
    "Reason",
    "UNITS",
    "coil",
    "coil_leaving",
    "comfort",
    "frame",
    "in_zone",
    "mix",
    "problem_text",
    "process",
    "read_weather",
    "reason_text",
    "states",
]

#: The properties ``states`` gives, in order.
PROPERTIES = tuple(_core.property_names())

#: The unit of each property in each unit system, as the calculator writes it.
UNITS = {
    system: dict(zip(PROPERTIES, _core.property_units(system))) for system in ("IP", "SI")
}

_INPUTS = ("dry_bulb", "wet_bulb", "relative_humidity", "humidity_ratio", "enthalpy", "dew_point")
_ATMOSPHERES = ("pressure", "altitude")


def _constant_name(name):
    # "DryBulbBelowRange" -> "DRY_BULB_BELOW_RANGE"
    out = []
    for i, c in enumerate(name):
        if c.isupper() and i > 0:
            out.append("_")
        out.append(c.upper())
    return "".join(out)


#: Why a row of ``states`` is not real air; ``REAL_AIR`` (0) when it is.
Reason = _enum.IntEnum(
    "Reason", {_constant_name(name): code for code, name in enumerate(_core.reason_names())}
)
Reason.__doc__ = "The compute core's reasons why a row is not real air (0: it is)."

#: Why a row of the workbench has no result; ``NO_PROBLEM`` (0) when it has one.
Problem = _enum.IntEnum(
    "Problem", {_constant_name(name): code for code, name in enumerate(_core.problem_names())}
)
Problem.__doc__ = "Why a row of the workbench has no result (0: it has one)."

#: The names of the processes, by the ``kind`` code ``process`` gives.
PROCESS_KINDS = tuple(_core.process_names())


def _units(units):
    if not isinstance(units, str) or units.upper() not in ("IP", "SI"):
        raise ValueError(f'units must be "IP" or "SI", not {units!r}')
    return units.upper()


def _float_array(value, name):
    """The values as a float64 array, without a copy where they are one."""
    if isinstance(value, _np.ndarray) and value.dtype == _np.float64:
        return value
    if hasattr(value, "to_numpy") and hasattr(value, "dtype"):  # pandas
        if value.dtype == _np.float64:
            return _np.asarray(value)
        try:
            return value.to_numpy(dtype=_np.float64, na_value=_np.nan)
        except (TypeError, ValueError) as error:
            raise TypeError(f"{name}: the values are not numbers ({error})") from None
    try:
        return _np.asarray(value, dtype=_np.float64)
    except (TypeError, ValueError) as error:
        raise TypeError(f"{name}: the values are not numbers ({error})") from None


def _broadcast(arrays, names):
    try:
        shape = _np.broadcast_shapes(*(a.shape for a in arrays))
    except ValueError:
        shapes = ", ".join(f"{n} {a.shape}" for n, a in zip(names, arrays))
        raise ValueError(f"the inputs do not broadcast to one shape: {shapes}") from None
    return [_np.broadcast_to(a, shape) for a in arrays], shape


def _threads(threads):
    if threads is None:
        return None
    if isinstance(threads, bool) or not isinstance(threads, int) or threads < 1:
        raise ValueError(f"threads must be a whole number of at least 1, not {threads!r}")
    return threads


def _is_frame(value):
    return hasattr(value, "columns") and hasattr(value, "index")


def _index_of(values):
    """The pandas index of the first Series or DataFrame among values."""
    for value in values:
        if hasattr(value, "index") and hasattr(value, "to_numpy"):
            return value.index
    return None


def _gather(inputs, named, units, pressure, altitude):
    """Sorts what was given into two inputs and at most one atmosphere:
    ([name, name(, atmosphere name)], [values...])."""
    given = []
    if inputs is not None:
        if not hasattr(inputs, "keys"):
            raise TypeError(
                "inputs must map input names to arrays, such as a dict or a DataFrame"
            )
        frame = _is_frame(inputs)
        for key in inputs.keys():
            if not isinstance(key, str):
                continue
            quantity = _core.quantity_of(key, units)
            if quantity is None:
                if frame:
                    continue  # other columns of a table are not ours
                raise ValueError(f"no such input: {key!r} (inputs are {', '.join(_INPUTS)})")
            given.append((key, quantity, inputs[key]))
    for key, value in named.items():
        quantity = _core.quantity_of(key, units)
        if quantity is None:
            raise TypeError(f"unexpected argument {key!r} (inputs are {', '.join(_INPUTS)})")
        if any(key == g[0] for g in given):
            raise ValueError(f"{key!r} is given twice")
        given.append((key, quantity, value))
    for key, value in (("pressure", pressure), ("altitude", altitude)):
        if value is not None:
            given.append((key, key, value))

    chosen = [g for g in given if g[1] in _INPUTS]
    atmospheres = [g for g in given if g[1] in _ATMOSPHERES]
    if len(chosen) != 2:
        found = ", ".join(g[0] for g in chosen) or "none"
        raise ValueError(
            f"a state needs exactly two inputs of {', '.join(_INPUTS)}; found {found}"
        )
    if len(atmospheres) > 1:
        raise ValueError(
            "give the pressure or the altitude, not both: "
            + ", ".join(g[0] for g in atmospheres)
        )
    return chosen + atmospheres


def _property_indices(properties):
    if properties is None:
        return list(range(len(PROPERTIES)))
    if isinstance(properties, str):
        properties = [properties]
    indices = []
    for name in properties:
        if name not in PROPERTIES:
            raise ValueError(f"no such property: {name!r} (properties are {', '.join(PROPERTIES)})")
        indices.append(PROPERTIES.index(name))
    return indices


def _solve(inputs, named, units, pressure, altitude, properties, threads):
    units = _units(units)
    chosen = _gather(inputs, named, units, pressure, altitude)
    names = [g[0] for g in chosen]
    arrays, shape = _broadcast([_float_array(g[2], g[0]) for g in chosen], names)
    wanted = _property_indices(properties)
    block, reasons = _core.states(names, arrays, units, wanted, _threads(threads))
    return [PROPERTIES[p] for p in wanted], block, reasons, shape, [g[2] for g in chosen]


def _scalar_or_array(array, shape):
    return array[()] if shape == () else array


def states(inputs=None, units="IP", pressure=None, altitude=None, *, properties=None,
           threads=None, **named):
    """Every property of moist air from two inputs, over arrays.

    The two inputs are named in a mapping (a dict or a pandas DataFrame, whose
    other columns are passed over) or as keyword arguments, by any two of:

    - ``dry_bulb``: dry-bulb temperature, °F ("IP") or °C ("SI");
    - ``wet_bulb``: wet-bulb temperature, °F or °C;
    - ``relative_humidity``: in per cent, 0 to 100, as the calculator shows it;
    - ``humidity_ratio``: lb/lb or kg/kg (the same number);
    - ``enthalpy``: Btu/lb (zero at 0 °F) or kJ/kg (zero at 0 °C), each
      system's own formulation;
    - ``dew_point``: °F or °C (not with ``humidity_ratio``: both fix the water).

    The column names of ``vaporwright-batch`` with their units are taken as
    well: ``dry_bulb_F``, ``wet_bulb_C``, ``relative_humidity_pct``,
    ``humidity_ratio_g/kg``, ``enthalpy_kJ/kg``, ``pressure_inHg``,
    ``altitude_m``, ...

    Values are numpy arrays, pandas Series, sequences or numbers; they are
    broadcast together with ``pressure`` or ``altitude`` (psia | kPa, ft | m;
    without either the standard atmosphere at sea level, 14.696 psia or
    101.325 kPa), which may be arrays too. float64 arrays are read where they
    lie, never copied.

    Each row is stored and solved as the calculator solves a typed entry (in
    single precision, as it keeps its state), so the results are the very
    numbers of the window and of ``vaporwright-batch``.

    Returns a dict of float64 arrays of the broadcast shape (numbers for
    numbers), in the units of ``units``: ``dry_bulb``, ``wet_bulb``,
    ``dew_point``, ``relative_humidity`` (%), ``humidity_ratio``,
    ``enthalpy``, ``vapor_pressure`` (psia | kPa), ``degree_of_saturation``
    (%), ``specific_volume`` (ft³/lb | m³/kg), ``density`` (lb/ft³ | kg/m³),
    ``absolute_humidity`` (lb/ft³ | kg/m³), ``moisture_concentration`` (ppm
    by mass), ``pressure`` and ``altitude``; ``UNITS`` lists them. Then
    ``reason``, a uint8 array: 0 (``Reason.REAL_AIR``) for real air.

    A row that is not real air is never an exception: it has NaN in every
    property and the compute core's reason in ``reason``, such as
    ``Reason.WET_BULB_ABOVE_DRY_BULB``, ``Reason.RELATIVE_HUMIDITY_ABOVE_RANGE``
    (above 102 %), ``Reason.DRY_BULB_BELOW_RANGE`` (below -148 °F),
    ``Reason.ALTITUDE_ABOVE_RANGE`` (above 65,000 ft) or ``Reason.NOT_A_NUMBER``
    (a NaN input); ``reason_text`` says each in words. Perfectly dry air is real
    air without a dew point (NaN); an altitude outside the standard atmosphere
    is NaN beside a pressure given directly.

    ``properties`` (a list of names) limits the arrays computed; ``threads``
    the threads used (default: one per core). Errors of the call itself (an
    unknown name, three inputs, shapes that do not broadcast) raise
    ValueError or TypeError.

    >>> import vaporwright
    >>> s = vaporwright.states(dry_bulb=[68.0, 95.0], relative_humidity=[50.0, 40.0])
    >>> s["wet_bulb"], s["reason"]
    """
    names, block, reasons, shape, _ = _solve(
        inputs, named, units, pressure, altitude, properties, threads
    )
    result = {name: _scalar_or_array(block[k], shape) for k, name in enumerate(names)}
    result["reason"] = _scalar_or_array(reasons, shape)
    return result


def frame(inputs=None, units="IP", pressure=None, altitude=None, *, properties=None,
          threads=None, **named):
    """``states`` as a pandas DataFrame: one column per property, then ``reason``.

    Takes the arguments of ``states`` (see ``help(vaporwright.states)`` for
    the inputs, units and reasons), one-dimensional. The index is that of the
    DataFrame or of the first Series given, otherwise a range. The property
    columns share one block of memory with no copy.
    """
    import pandas as pd

    names, block, reasons, shape, values = _solve(
        inputs, named, units, pressure, altitude, properties, threads
    )
    if len(shape) != 1:
        raise ValueError(f"frame takes one-dimensional inputs; they broadcast to {shape}")
    index = inputs.index if _is_frame(inputs) else _index_of(values)
    if index is not None and len(index) != shape[0]:
        index = None
    table = pd.DataFrame(block.T, columns=names, index=index, copy=False)
    table["reason"] = reasons
    return table


def reason_text(code, units="IP"):
    """What a reason code of ``states`` means, in one line ("" for real air).

    ``code`` is a number, an array or a pandas Series of codes; limits in the
    line are in the units of ``units``. Gives a str, an array of str, or a
    Series with the same index.
    """
    units = _units(units)
    texts = _np.array(
        [_core.reason_text(c, units) for c in range(len(Reason))], dtype=object
    )
    return _lookup(texts, code, "reason")


def problem_text(code):
    """What a problem code of the workbench means, in one sentence ("" for none).

    ``code`` is a number, an array or a pandas Series of codes.
    """
    texts = _np.array([_core.problem_text(c) for c in range(len(Problem))], dtype=object)
    return _lookup(texts, code, "problem")


def _lookup(texts, code, what):
    codes = _np.asarray(code)
    if codes.dtype.kind not in "iu" or (codes.size and (codes.min() < 0 or codes.max() >= len(texts))):
        raise ValueError(f"no such {what} code: {code!r}")
    found = texts[codes]
    if codes.ndim == 0:
        return str(found)
    if hasattr(code, "index") and hasattr(code, "to_numpy"):
        import pandas as pd

        return pd.Series(found, index=code.index, name=getattr(code, "name", None))
    return found


# --- The workbench -----------------------------------------------------------------


def _airflow_unit(airflow_unit, units):
    if airflow_unit is None:
        return "cfm" if units == "IP" else "L/s"
    return airflow_unit


def _point(point, what):
    """The dry bulb, humidity ratio and (if it has one) pressure of a point."""
    if point is None or not hasattr(point, "keys"):
        raise TypeError(
            f"{what} must map dry_bulb and humidity_ratio to values, such as the result of "
            "states() or a DataFrame with those columns"
        )
    try:
        dry_bulb, humidity_ratio = point["dry_bulb"], point["humidity_ratio"]
    except KeyError:
        raise ValueError(f"{what} has no dry_bulb and humidity_ratio") from None
    pressure = point["pressure"] if "pressure" in point.keys() else None
    return [dry_bulb, humidity_ratio, pressure]


def _atmospheres(points, units, pressure, altitude):
    """Each point's atmosphere column, and whether they are altitudes."""
    if pressure is not None and altitude is not None:
        raise ValueError("give the pressure or the altitude, not both")
    if altitude is not None:
        return [altitude for _ in points], True
    if pressure is not None:
        return [pressure for _ in points], False
    standard = _core.standard_pressure(units)
    return [p[2] if p[2] is not None else standard for p in points], False


def _workbench(operation, columns, units, altitudes, airflow_unit, threads, zone=None):
    names = _core.operation_columns(operation)
    arrays, _ = _broadcast([_float_array(c, n) for c, n in zip(columns, names)], names)
    result = _core.workbench(
        operation, arrays, units, altitudes, airflow_unit, _threads(threads), zone
    )
    return result


def process(entering, leaving, airflow=None, *, units="IP", airflow_unit=None, pressure=None,
            altitude=None, threads=None):
    """The process from one point to another, with its loads, over arrays.

    ``entering`` and ``leaving`` map ``dry_bulb`` (°F | °C) and
    ``humidity_ratio`` (lb/lb | kg/kg) to values: the result of ``states``,
    a DataFrame with those columns or a dict. The pressure is ``pressure``
    (psia | kPa) or ``altitude`` (ft | m) for both, or else each point's own
    ``pressure``, or else the standard atmosphere. ``airflow`` is the volume
    flow at the entering point in ``airflow_unit`` ("cfm", "L/s", "m3/s",
    "m3/h"; default cfm in "IP", L/s in "SI"); without it, or where it is
    NaN, there are no loads.

    The heat is split first along constant humidity ratio, then along
    constant dry bulb (ASHRAE Handbook of Fundamentals, Psychrometrics).
    Returns a dict of arrays: ``kind`` (int8; ``PROCESS_KINDS[kind]`` names
    it, -1 without a result), ``dry_bulb_change`` (°F | K),
    ``humidity_ratio_change``, ``enthalpy_change`` (Btu/lb | kJ/kg),
    ``sensible_heat_ratio`` (NaN where sensible and latent heat oppose),
    ``dry_air_flow`` (lb/h | kg/h), ``sensible_load``, ``latent_load``,
    ``total_load`` (Btu/h | kW), ``water`` added (lb/h | kg/h, negative when
    removed), and ``problem`` (0 for a result; ``Problem`` and
    ``problem_text`` name the others: the same air, different pressures, a
    point that is not real air, ...).
    """
    units = _units(units)
    points = [_point(entering, "entering"), _point(leaving, "leaving")]
    atmospheres, altitudes = _atmospheres(points, units, pressure, altitude)
    columns = [points[0][0], points[0][1], atmospheres[0], points[1][0], points[1][1],
               atmospheres[1], _np.nan if airflow is None else airflow]
    return _workbench("process", columns, units, altitudes,
                      _airflow_unit(airflow_unit, units), threads)


def mix(first, first_airflow, second, second_airflow, *, units="IP", airflow_unit=None,
        pressure=None, altitude=None, threads=None):
    """Adiabatic mixing of two streams over arrays.

    Each stream is a point as for ``process`` with its volume airflow taken
    at that point (``airflow_unit`` as for ``process``). The balances of dry
    air, water and energy give the mixture (ASHRAE Handbook of Fundamentals,
    Psychrometrics). Returns a dict of arrays: ``dry_bulb``,
    ``humidity_ratio``, ``enthalpy``, ``dry_air_flow`` (lb/h | kg/h),
    ``first_share`` (the first stream's share of the dry air) and
    ``problem`` (``Problem.SUPERSATURATED`` where the mixture would be fog).
    """
    units = _units(units)
    points = [_point(first, "first"), _point(second, "second")]
    atmospheres, altitudes = _atmospheres(points, units, pressure, altitude)
    columns = [points[0][0], points[0][1], atmospheres[0], first_airflow,
               points[1][0], points[1][1], atmospheres[1], second_airflow]
    return _workbench("mix", columns, units, altitudes, _airflow_unit(airflow_unit, units),
                      threads)


def coil(entering, leaving, *, units="IP", pressure=None, altitude=None, threads=None):
    """A cooling coil's apparatus dew point and bypass factor, over arrays.

    From the air entering and leaving the coil (points as for ``process``):
    the apparatus dew point is where the line through them, extended beyond
    the leaving air, meets saturation; the bypass factor is
    (t_leave - t_adp) / (t_enter - t_adp). Returns a dict of arrays:
    ``apparatus_dew_point`` (°F | °C), ``apparatus_humidity_ratio``,
    ``bypass_factor`` and ``problem``.
    """
    units = _units(units)
    points = [_point(entering, "entering"), _point(leaving, "leaving")]
    atmospheres, altitudes = _atmospheres(points, units, pressure, altitude)
    columns = [points[0][0], points[0][1], atmospheres[0],
               points[1][0], points[1][1], atmospheres[1]]
    return _workbench("coil", columns, units, altitudes, "cfm", threads)


def coil_leaving(entering, apparatus_dew_point, bypass_factor, *, units="IP", pressure=None,
                 altitude=None, threads=None):
    """The air leaving a cooling coil of a given apparatus dew point (°F | °C)
    and bypass factor (0 to below 1), over arrays: ``dry_bulb``,
    ``humidity_ratio`` and ``problem``."""
    units = _units(units)
    points = [_point(entering, "entering")]
    atmospheres, altitudes = _atmospheres(points, units, pressure, altitude)
    columns = [points[0][0], points[0][1], atmospheres[0], apparatus_dew_point, bypass_factor]
    return _workbench("coil_leaving", columns, units, altitudes, "cfm", threads)


def comfort(air, *, met=1.1, clo=0.5, air_speed=0.1, units="IP", pressure=None, altitude=None,
            threads=None):
    """PMV and PPD (ISO 7730:2005) of points of air, over arrays.

    ``air`` is a point as for ``process``; the mean radiant temperature is
    its dry bulb. ``met`` (metabolic rate, 0.8 to 4), ``clo`` (clothing, 0 to
    2) and ``air_speed`` (m/s in both unit systems, 0 to 1) may be arrays.
    Returns a dict of arrays: ``pmv``, ``ppd`` (%) and ``problem`` (air
    outside 10 °C to 30 °C or above 2,700 Pa of vapour, or parameters outside
    the model).
    """
    units = _units(units)
    points = [_point(air, "air")]
    atmospheres, altitudes = _atmospheres(points, units, pressure, altitude)
    columns = [points[0][0], points[0][1], atmospheres[0], met, clo, air_speed]
    return _workbench("comfort", columns, units, altitudes, "cfm", threads)


def in_zone(air, zone="comfort", *, met=1.1, clo=0.5, air_speed=0.1, units="IP", pressure=None,
            altitude=None, threads=None):
    """Whether points of air lie in a zone of the chart: a bool array.

    ``zone`` is one of:

    - "comfort": |PMV| <= 0.5 for ``met``, ``clo`` and ``air_speed`` (m/s;
      numbers here), humidity ratio at most 0.012 (ISO 7730, ASHRAE 55);
      "summer" and "winter" are the comfort zone at 1.1 met, 0.5 or 1.0 clo
      and 0.1 m/s;
    - "data_room": the recommended envelope for data rooms (ASHRAE TC 9.9:
      18 to 27 °C, dew point -9 to 15 °C, at most 60 % RH);
    - a dict of limits in the units of ``units``, each optional:
      ``min_dry_bulb``, ``max_dry_bulb``, ``min_humidity_ratio``,
      ``max_humidity_ratio``, ``min_relative_humidity``,
      ``max_relative_humidity`` (%), ``min_dew_point``, ``max_dew_point``.

    Air that is not real air lies in no zone.
    """
    units = _units(units)
    handle = _zone(zone, units, met, clo, air_speed)
    points = [_point(air, "air")]
    atmospheres, altitudes = _atmospheres(points, units, pressure, altitude)
    columns = [points[0][0], points[0][1], atmospheres[0]]
    return _workbench("zone", columns, units, altitudes, "cfm", threads, handle)["inside"]


_LIMITS = ("min_dry_bulb", "max_dry_bulb", "min_humidity_ratio", "max_humidity_ratio",
           "min_relative_humidity", "max_relative_humidity", "min_dew_point", "max_dew_point")


def _zone(zone, units, met, clo, air_speed):
    if isinstance(zone, dict):
        unknown = set(zone) - set(_LIMITS)
        if unknown:
            raise ValueError(f"no such zone limit: {', '.join(sorted(unknown))}")
        return _core.limit_zone(units, *(zone.get(name) for name in _LIMITS))
    if zone == "comfort":
        return _core.comfort_zone(float(met), float(clo), float(air_speed))
    if zone == "summer":
        return _core.comfort_zone(1.1, 0.5, 0.1)
    if zone == "winter":
        return _core.comfort_zone(1.1, 1.0, 0.1)
    if zone == "data_room":
        return _core.data_room_zone()
    raise ValueError(
        f'zone must be "comfort", "summer", "winter", "data_room" or a dict of limits, '
        f"not {zone!r}"
    )


# --- Weather -------------------------------------------------------------------------


def read_weather(path, *, units="IP", pressure=None, threads=None):
    """The hours of an EPW or weather CSV file, with their states, as a DataFrame.

    ``path`` names an EnergyPlus weather file (".epw") or a CSV of
    timestamped dry bulb with one humidity column (dew point, relative
    humidity, wet bulb or humidity ratio, named with its unit:
    ``dry_bulb_C``, ``relative_humidity_pct``, ...) and optionally a pressure
    or altitude column; CSV rows without one are at ``pressure`` (psia | kPa,
    default the standard atmosphere).

    One row per hour kept: ``month``, ``day``, ``hour`` (0 to 23, the hour
    that starts then), every property of ``states`` in the units of
    ``units``, solved by the compute core from the hour's dry bulb and
    humidity ratio at its own station pressure, and ``reason``.

    Rows the reader skips (a missing dew point, a date that does not exist,
    air above saturation, ...) are counted by reason, and the file's design
    conditions given, in ``DataFrame.attrs``:

    - ``skipped``: {reason: rows}, e.g. {"missing dew point": 17};
    - ``rows``: the data rows read, kept or skipped;
    - ``design``: the heating, cooling and dew-point design conditions
      computed from the hours (ASHRAE Handbook of Fundamentals, Climatic
      Design Information): ``heating_99.6_dry_bulb``, ``heating_99_dry_bulb``,
      ``cooling_0.4_dry_bulb``, ``cooling_0.4_mean_coincident_wet_bulb`` (and
      1 %, 2 %), ``dew_point_0.4``, ``dew_point_0.4_humidity_ratio``,
      ``dew_point_0.4_mean_coincident_dry_bulb``; None where there are no
      hours;
    - ``header_design``: the same values as an EPW header gives them;
    - ``location``: city, region, country, source, wmo, latitude,
      longitude, time_zone, elevation (ft | m) of an EPW header;
    - ``site_pressure``: the standard atmosphere at the site's elevation
      (psia | kPa), for the design dew point's humidity ratio, and
      ``site_pressure_note`` when something else stood in.

    A file that cannot be read at all raises OSError (it cannot be opened)
    or ValueError (it is no weather file, saying why).
    """
    import pandas as pd

    units = _units(units)
    if pressure is not None:
        pressure = float(pressure)
    read = _core.read_weather(_os.fspath(path), units, pressure, _threads(threads))
    if read["cannot_open"]:
        raise OSError(f"cannot open the weather file {_os.fspath(path)!r}")
    if read["problem"]:
        raise ValueError(f"{_os.fspath(path)}: {read['problem']}")
    table = pd.DataFrame({"month": read["month"], "day": read["day"], "hour": read["hour"]})
    values = pd.DataFrame(read["block"].T, columns=list(PROPERTIES), copy=False)
    table = pd.concat([table, values], axis=1)
    table["reason"] = read["reason"]
    for key in ("skipped", "rows", "design", "header_design", "location", "site_pressure",
                "site_pressure_note"):
        table.attrs[key] = read[key]
    return table

"""States through the module: the compute core's numbers to the bit, the
core's reasons for rows that are not air, and arrays of every layout."""

import csv
import io
import itertools
import subprocess

import numpy as np
import pandas as pd
import pytest

import vaporwright as vw
from conftest import assert_same_bits, core_reference, tool

INPUTS = ("dry_bulb", "wet_bulb", "relative_humidity", "humidity_ratio", "enthalpy", "dew_point")
PAIRS = [p for p in itertools.combinations(INPUTS, 2) if set(p) != {"dew_point", "humidity_ratio"}]

# Values of each input over real air, its edges and beyond, per unit system.
GRID = {
    "IP": {
        "temperature": [-160.0, -148.0, -40.0, 0.0, 32.0, 55.0, 68.0, 77.3, 95.0, 150.0, 400.0, 401.0],
        "relative_humidity": [-5.0, 0.0, 0.7, 12.5, 50.0, 88.0, 100.0, 101.9, 104.0],
        "humidity_ratio": [-0.001, 0.0, 0.0004, 0.0035, 0.0091, 0.016, 0.04, 0.3],
        "enthalpy": [-12.0, 0.0, 9.5, 21.0, 31.7, 48.0, 90.0, 400.0],
        "pressure": [14.696, 12.1, 0.0],
        "altitude": [0.0, 5280.0, 70000.0],
    },
    "SI": {
        "temperature": [-110.0, -100.0, -40.0, -18.0, 0.0, 12.5, 20.0, 25.3, 35.0, 65.0, 204.0, 210.0],
        "relative_humidity": [-5.0, 0.0, 0.7, 12.5, 50.0, 88.0, 100.0, 101.9, 104.0],
        "humidity_ratio": [-0.001, 0.0, 0.0004, 0.0035, 0.0091, 0.016, 0.04, 0.3],
        "enthalpy": [-30.0, 0.0, 9.5, 38.5, 55.0, 90.0, 180.0, 900.0],
        "pressure": [101.325, 83.4, -1.0],
        "altitude": [0.0, 1609.0, 21000.0],
    },
}


def values_of(name, units):
    grid = GRID[units]
    return grid["temperature"] if name in ("dry_bulb", "wet_bulb", "dew_point") else grid[name]


def grid_rows(units, first, second, atmosphere):
    """Every combination of the two inputs' values, each at every value of
    the atmosphere (or at the standard one)."""
    atmospheres = GRID[units][atmosphere] if atmosphere != "-" else [0.0]
    rows = itertools.product(values_of(first, units), values_of(second, units), atmospheres)
    return [(units, first, second, atmosphere, a, b, p) for a, b, p in rows]


def module_rows(units, first, second, atmosphere, rows):
    given = {first: np.array([r[4] for r in rows]), second: np.array([r[5] for r in rows])}
    if atmosphere != "-":
        given[atmosphere] = np.array([r[6] for r in rows])
    result = vw.states(given, units)
    return np.column_stack([result[p] for p in vw.PROPERTIES]), result["reason"]


def test_every_pair_gives_the_compute_cores_numbers_bit_for_bit():
    cases = []
    for units, (first, second) in itertools.product(("IP", "SI"), PAIRS):
        # The chart's points, the model for a dew point, take no altitude.
        atmospheres = ("-", "pressure") if "dew_point" in (first, second) else ("-", "pressure", "altitude")
        for atmosphere in atmospheres:
            cases.append((units, first, second, atmosphere, grid_rows(units, first, second, atmosphere)))
    expected, expected_reasons = core_reference([row for case in cases for row in case[4]])

    at = 0
    real_air = 0
    for units, first, second, atmosphere, rows in cases:
        values, reasons = module_rows(units, first, second, atmosphere, rows)
        part = slice(at, at + len(rows))
        what = f"{units} {first} + {second} at {atmosphere}"
        assert np.array_equal(reasons, expected_reasons[part]), what
        for k, name in enumerate(vw.PROPERTIES):
            assert_same_bits(values[:, k], expected[part, k], f"{what}: {name}")
        real_air += int((reasons == 0).sum())
        at += len(rows)
    # The grid is mostly real air, with every kind of failure beside it.
    assert real_air > at // 6
    assert len(set(expected_reasons)) > 10


def test_rows_give_what_vaporwright_batch_writes():
    """The ten pairs of the calculator through the batch program itself:
    every column it writes in the module's units, and the same reasons."""
    batch = tool("VW_BATCH")
    column = {
        ("IP", "dry_bulb"): "dry_bulb_F", ("SI", "dry_bulb"): "dry_bulb_C",
        ("IP", "wet_bulb"): "wet_bulb_F", ("SI", "wet_bulb"): "wet_bulb_C",
        ("IP", "relative_humidity"): "relative_humidity_pct",
        ("SI", "relative_humidity"): "relative_humidity_pct",
        ("IP", "humidity_ratio"): "humidity_ratio_lb/lb", ("SI", "humidity_ratio"): "humidity_ratio_kg/kg",
        ("IP", "enthalpy"): "enthalpy_Btu/lb", ("SI", "enthalpy"): "enthalpy_kJ/kg",
        ("IP", "pressure"): "pressure_psia", ("SI", "pressure"): "pressure_kPa",
    }
    for units, (first, second) in itertools.product(("IP", "SI"), itertools.combinations(INPUTS[:5], 2)):
        rows = grid_rows(units, first, second, "pressure")
        text = io.StringIO()
        text.write(f"{column[units, first]},{column[units, second]},{column[units, 'pressure']}\n")
        for r in rows:
            text.write(f"{r[4]!r},{r[5]!r},{r[6]!r}\n")
        out = subprocess.run([batch, "--units", units], input=text.getvalue(), capture_output=True,
                             text=True, check=True).stdout
        table = list(csv.reader(io.StringIO(out)))
        header, lines = table[0], table[1:]
        result = vw.states({first: [r[4] for r in rows], second: [r[5] for r in rows]}, units,
                           pressure=[r[6] for r in rows])
        what = f"{units} {first} + {second}"
        for k, name in enumerate(vw.PROPERTIES):
            if units == "SI" and name in ("vapor_pressure", "pressure"):
                continue  # written in mbar, the calculator's metric choice
            # The batch program writes the shortest text of each stored float.
            written = np.array([np.float32(line[k]) if line[k] else np.nan for line in lines],
                               dtype=np.float64)
            if name == "moisture_concentration":
                written = np.array([float(line[k]) if line[k] else np.nan for line in lines])
            assert_same_bits(result[name], written, f"{what}: {name} ({header[k]})")
        assert [line[-1] for line in lines] == list(vw.reason_text(result["reason"], units)), what


# A state of real air for each input, and for the atmosphere.
GOOD = {
    "IP": dict(dry_bulb=68.0, wet_bulb=59.0, relative_humidity=50.0, humidity_ratio=0.006,
               dew_point=45.0, pressure=14.696, altitude=0.0),
    "SI": dict(dry_bulb=20.0, wet_bulb=15.0, relative_humidity=50.0, humidity_ratio=0.006,
               dew_point=7.0, pressure=101.325, altitude=0.0),
}


@pytest.mark.parametrize(
    "units, inputs, expected",
    [
        ("IP", dict(dry_bulb=70.0, wet_bulb=80.0), vw.Reason.WET_BULB_ABOVE_DRY_BULB),
        ("IP", dict(dry_bulb=70.0, relative_humidity=110.0), vw.Reason.RELATIVE_HUMIDITY_ABOVE_RANGE),
        ("IP", dict(dry_bulb=70.0, relative_humidity=-1.0), vw.Reason.RELATIVE_HUMIDITY_NEGATIVE),
        ("IP", dict(dry_bulb=-200.0, relative_humidity=50.0), vw.Reason.DRY_BULB_BELOW_RANGE),
        ("SI", dict(dry_bulb=250.0, humidity_ratio=0.01), vw.Reason.DRY_BULB_ABOVE_RANGE),
        ("IP", dict(dry_bulb=70.0, humidity_ratio=-0.002), vw.Reason.HUMIDITY_RATIO_NEGATIVE),
        ("IP", dict(relative_humidity=0.0, humidity_ratio=0.0), vw.Reason.NO_DRY_BULB),
        ("IP", dict(dry_bulb=70.0, dew_point=80.0), vw.Reason.RELATIVE_HUMIDITY_ABOVE_RANGE),
        ("SI", dict(wet_bulb=20.0, dew_point=-120.0), vw.Reason.DEW_POINT_BELOW_RANGE),
        ("SI", dict(dry_bulb=20.0, dew_point=250.0), vw.Reason.DEW_POINT_ABOVE_RANGE),
        ("IP", dict(dry_bulb=np.nan, relative_humidity=50.0), vw.Reason.NOT_A_NUMBER),
        ("IP", dict(dry_bulb=np.inf, relative_humidity=50.0), vw.Reason.NUMBER_TOO_LARGE),
        ("IP", dict(dry_bulb=70.0, relative_humidity=50.0, altitude=70000.0), vw.Reason.ALTITUDE_ABOVE_RANGE),
        ("SI", dict(dry_bulb=20.0, relative_humidity=50.0, altitude=-1000.0), vw.Reason.ALTITUDE_BELOW_RANGE),
        ("SI", dict(dry_bulb=20.0, relative_humidity=50.0, pressure=0.0), vw.Reason.PRESSURE_NOT_POSITIVE),
        ("IP", dict(dry_bulb=70.0, relative_humidity=50.0, pressure=500.0), vw.Reason.PRESSURE_ABOVE_RANGE),
        ("SI", dict(dry_bulb=20.0, relative_humidity=50.0, pressure=np.nan), vw.Reason.NOT_A_NUMBER),
        ("IP", dict(dry_bulb=250.0, relative_humidity=100.0), vw.Reason.VAPOR_PRESSURE_AT_ATMOSPHERE),
    ],
)
def test_a_row_that_is_not_air_has_its_reason_and_no_properties(units, inputs, expected):
    """Between two rows of real air, the row's reason and NaN, never an
    exception; the reason reads as a line."""
    given = {k: np.array([GOOD[units][k], v, GOOD[units][k]]) for k, v in inputs.items()}
    result = vw.states(given, units)
    assert list(result["reason"]) == [vw.Reason.REAL_AIR, expected, vw.Reason.REAL_AIR]
    for p in vw.PROPERTIES:
        assert np.isnan(result[p][1]) and np.isfinite(result[p][0]), p
    text = vw.reason_text(result["reason"][1], units)
    assert text and text == vw.reason_text(int(expected), units)


def test_bad_rows_do_not_touch_their_neighbours():
    t = np.array([68.0, 70.0, np.nan, 95.0, -500.0, 50.0])
    rh = np.array([50.0, 120.0, 40.0, 30.0, 50.0, 0.0])
    together = vw.states(dry_bulb=t, relative_humidity=rh)
    for i in range(len(t)):
        alone = vw.states(dry_bulb=t[i:i + 1], relative_humidity=rh[i:i + 1])
        assert together["reason"][i] == alone["reason"][0]
        for p in vw.PROPERTIES:
            assert_same_bits(together[p][i:i + 1], alone[p], f"row {i} {p}")
    assert list(together["reason"][[0, 3, 5]]) == [0, 0, 0]


def test_perfectly_dry_air_is_air_without_a_dew_point():
    for units in ("IP", "SI"):
        dry = vw.states(dry_bulb=20.0, humidity_ratio=0.0, units=units)
        assert dry["reason"] == vw.Reason.REAL_AIR
        assert np.isnan(dry["dew_point"])
        assert dry["relative_humidity"] == 0.0 and dry["vapor_pressure"] == 0.0
        assert np.isfinite(dry["wet_bulb"]) and dry["wet_bulb"] < 20.0


def test_inputs_of_any_layout_give_the_numbers_of_plain_arrays():
    rng = np.random.default_rng(7)
    t = rng.uniform(-20, 45, size=(40, 30))
    rh = rng.uniform(1, 100, size=(40, 30))
    plain = vw.states(dry_bulb=t.copy(), relative_humidity=rh.copy(), units="SI")

    # Strided, Fortran-ordered, read-only and float32 or integer inputs.
    fortran = np.asfortranarray(t)
    readonly = rh.copy()
    readonly.flags.writeable = False
    strided = np.zeros((80, 60))
    strided[::2, ::2] = t
    for dry_bulb, humidity in [(fortran, readonly), (strided[::2, ::2], rh), (t, list(rh))]:
        result = vw.states(dry_bulb=dry_bulb, relative_humidity=humidity, units="SI")
        for p in vw.PROPERTIES:
            assert_same_bits(result[p], plain[p], p)

    # Broadcast: a column of dry bulbs against a row of humidities, one pressure per column.
    column, row = t[:, :1], rh[:1, :]
    pressures = np.linspace(80.0, 101.325, 30)
    result = vw.states(dry_bulb=column, relative_humidity=row, pressure=pressures, units="SI")
    assert result["dry_bulb"].shape == (40, 30)
    for i, j in [(0, 0), (17, 3), (39, 29)]:
        one = vw.states(dry_bulb=column[i, 0], relative_humidity=row[0, j], pressure=pressures[j],
                        units="SI")
        for p in vw.PROPERTIES:
            assert_same_bits(result[p][i, j], one[p], p)

    # Numbers in, numbers out; empty in, empty out.
    scalar = vw.states(dry_bulb=68.0, relative_humidity=50)
    assert isinstance(scalar["wet_bulb"], np.floating) and scalar["reason"] == 0
    assert vw.states(dry_bulb=[], relative_humidity=[])["density"].shape == (0,)


def test_the_threads_give_the_numbers_of_one():
    rng = np.random.default_rng(3)
    n = 100_003  # several chunks, the last one short
    t = rng.uniform(-160, 420, n)
    w = rng.uniform(-0.001, 0.03, n)
    t[::1000] = np.nan
    one = vw.states(dry_bulb=t, humidity_ratio=w, threads=1)
    many = vw.states(dry_bulb=t, humidity_ratio=w, threads=4)
    assert np.array_equal(one["reason"], many["reason"])
    for p in vw.PROPERTIES:
        assert_same_bits(many[p], one[p], p)


def test_names_of_the_batch_program_and_their_units():
    """vaporwright-batch's column names carry their own units."""
    table = pd.DataFrame({
        "site": ["a", "b"],
        "dry_bulb_C": [20.0, 35.0],
        "relative_humidity_pct": [50.0, 30.0],
        "pressure_kPa": [101.325, 95.0],
    }, index=[10, 11])
    framed = vw.frame(table, "IP")
    assert list(framed.index) == [10, 11]
    assert list(framed.columns) == list(vw.PROPERTIES) + ["reason"]
    direct = vw.states(dry_bulb=[68.0, 95.0], relative_humidity=[50.0, 30.0],
                       pressure=[14.696, 95.0 / 101.325 * 14.696])
    np.testing.assert_allclose(framed["dry_bulb"], direct["dry_bulb"], rtol=1e-6)
    np.testing.assert_allclose(framed["enthalpy"], direct["enthalpy"], rtol=1e-5)
    np.testing.assert_allclose(framed["pressure"], direct["pressure"], rtol=1e-6)

    # An enthalpy in kJ/kg is of the metric formulation, shown in Btu/lb.
    metric = vw.states({"dry_bulb_C": 20.0, "enthalpy_kJ/kg": 38.5}, "IP")
    same = vw.states(dry_bulb=20.0, enthalpy=38.5, units="SI")
    assert metric["reason"] == same["reason"] == 0
    assert abs(metric["humidity_ratio"] - same["humidity_ratio"]) < 1e-6


def test_frame_keeps_the_index_and_shares_one_block():
    t = pd.Series([60.0, 70.0, 80.0], index=pd.date_range("2024-07-01", periods=3, freq="H"))
    table = vw.frame(dry_bulb=t, wet_bulb=t - 5.0, properties=["humidity_ratio", "enthalpy"])
    assert list(table.columns) == ["humidity_ratio", "enthalpy", "reason"]
    assert table.index.equals(t.index)
    with pytest.raises(ValueError, match="one-dimensional"):
        vw.frame(dry_bulb=np.ones((2, 2)), wet_bulb=50.0)


@pytest.mark.parametrize(
    "call, error, message",
    [
        (lambda: vw.states(dry_bulb=1.0), ValueError, "exactly two inputs"),
        (lambda: vw.states(dry_bulb=1.0, wet_bulb=1.0, enthalpy=2.0), ValueError, "exactly two"),
        (lambda: vw.states(dew_point=1.0, humidity_ratio=0.01), ValueError, "both fix the water"),
        (lambda: vw.states({"dry_bulb": 1.0, "dry_bulb_F": 2.0}), ValueError, "twice"),
        (lambda: vw.states(dry_bulb=1.0, wet_bulbb=1.0), TypeError, "wet_bulbb"),
        (lambda: vw.states({"drybulb": 1.0, "wet_bulb": 1.0}), ValueError, "drybulb"),
        (lambda: vw.states(dry_bulb=[1.0, 2.0], wet_bulb=[1.0, 2.0, 3.0]), ValueError, "broadcast"),
        (lambda: vw.states(dry_bulb=1.0, wet_bulb=1.0, units="metric"), ValueError, "units"),
        (lambda: vw.states(dry_bulb=1.0, wet_bulb=1.0, pressure=14.0, altitude=0.0), ValueError, "not both"),
        (lambda: vw.states(dry_bulb=1.0, wet_bulb=1.0, threads=0), ValueError, "threads"),
        (lambda: vw.states(dry_bulb=["x"], wet_bulb=1.0), TypeError, "not numbers"),
        (lambda: vw.states(dry_bulb=1.0, wet_bulb=1.0, properties=["colour"]), ValueError, "colour"),
        (lambda: vw.reason_text(999), ValueError, "no such reason"),
    ],
)
def test_a_call_that_cannot_be_followed_says_why(call, error, message):
    with pytest.raises(error, match=message):
        call()


def test_missing_values_of_pandas_are_not_numbers():
    rh = pd.array([50.0, None, 30.0], dtype="Float64")
    result = vw.states(dry_bulb=[70.0, 70.0, 70.0], relative_humidity=pd.Series(rh))
    assert list(result["reason"]) == [0, vw.Reason.NOT_A_NUMBER, 0]
    texts = vw.reason_text(pd.Series(result["reason"], index=[5, 6, 7]), "SI")
    assert list(texts.index) == [5, 6, 7] and texts[5] == "" and "not a number" in texts[6]

"""Weather files through read_weather: the hours with their states, the rows
skipped and why, the design conditions, and files that are not weather."""

import numpy as np
import pytest

import vaporwright as vw

EPW = "USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw"


@pytest.fixture(scope="module")
def chicago(weather_data):
    return weather_data / EPW


def test_a_year_of_hours_with_their_states_and_design_conditions(chicago):
    hours = vw.read_weather(chicago, units="SI")
    assert len(hours) == 8760 and hours.attrs["rows"] == 8760 and hours.attrs["skipped"] == {}
    assert list(hours.columns) == ["month", "day", "hour"] + list(vw.PROPERTIES) + ["reason"]
    assert (hours.reason == vw.Reason.REAL_AIR).all()
    first = hours.iloc[0]
    assert (first.month, first.day, first.hour) == (1, 1, 0)
    # The file's first hour: -12.2 °C, dew point -16.1 °C, 99,500 Pa (its
    # 73 % relative humidity is not that of its dew point, which counts).
    assert first.dry_bulb == pytest.approx(-12.2, abs=0.01)
    assert first.dew_point == pytest.approx(-16.1, abs=0.2)
    assert first.pressure == pytest.approx(99.5, abs=0.01)

    # Each hour's state is that of states() from its dry bulb and humidity ratio.
    again = vw.states(dry_bulb=hours.dry_bulb, humidity_ratio=hours.humidity_ratio,
                      pressure=hours.pressure, units="SI")
    np.testing.assert_allclose(again["enthalpy"], hours.enthalpy, atol=1e-3)

    # A typical year lands near the design values of many years in its header.
    design, header = hours.attrs["design"], hours.attrs["header_design"]
    assert header["heating_99.6_dry_bulb"] == pytest.approx(-20.0, abs=0.01)
    assert header["cooling_0.4_dry_bulb"] == pytest.approx(33.3, abs=0.01)
    for key in ("heating_99.6_dry_bulb", "cooling_0.4_dry_bulb", "cooling_1_mean_coincident_wet_bulb"):
        assert design[key] == pytest.approx(header[key], abs=2.5), key
    assert hours.attrs["location"]["city"] == "Chicago Ohare Intl Ap"
    assert hours.attrs["location"]["elevation"] == pytest.approx(201.0)
    assert hours.attrs["site_pressure"] == pytest.approx(98.9, abs=0.2)

    inch_pound = vw.read_weather(chicago)
    assert inch_pound.attrs["location"]["elevation"] == pytest.approx(201.0 / 0.3048)
    assert inch_pound.dry_bulb.iloc[0] == pytest.approx(-12.2 * 1.8 + 32.0, abs=0.01)


def test_rows_of_a_csv_are_skipped_and_counted_by_reason(tmp_path):
    path = tmp_path / "site.csv"
    path.write_text(
        "timestamp,dry_bulb_C,relative_humidity_pct\n"
        "2021-07-01 13:00,30.0,40\n"
        "2021-07-01 14:00,31.0,\n"           # missing humidity
        "2021-02-29 10:00,5.0,50\n"          # no such day in the year
        "2021-07-01 13:00,29.0,45\n"         # the same hour again
        "2021-07-01 15:00,31.5,150\n"        # beyond any relative humidity
        "2021-07-01 16:00,abc,50\n"          # not a number
        "\n"
        "2021-07-01 17:00,28.0,50\n"
    )
    hours = vw.read_weather(path, units="SI", pressure=90.0)
    assert list(hours.hour) == [13, 17]
    assert list(hours.dry_bulb) == pytest.approx([30.0, 28.0], abs=1e-4)
    assert list(hours.pressure) == pytest.approx([90.0, 90.0], rel=1e-6)
    skipped = hours.attrs["skipped"]
    assert sum(skipped.values()) == 5 and hours.attrs["rows"] == 7
    assert any("relative humidity" in reason for reason in skipped)


@pytest.mark.parametrize(
    "content, error",
    [
        (None, OSError),                                   # no such file
        (b"", ValueError),                                 # empty
        (b"\x00\xff\xfe garbage\n\x01\x02", ValueError),   # not text
        (b"time,colour\n2021-01-01 00:00,red\n", ValueError),  # no weather columns
    ],
)
def test_a_file_that_is_no_weather_is_refused_with_a_reason(tmp_path, content, error):
    path = tmp_path / "weather.csv"
    if content is not None:
        path.write_bytes(content)
    with pytest.raises(error):
        vw.read_weather(path)


def test_a_cut_or_damaged_epw_keeps_the_hours_it_has(chicago, tmp_path):
    text = chicago.read_bytes()
    cut = tmp_path / "cut.epw"
    cut.write_bytes(text[: len(text) // 2 - 37])  # ends inside a row
    hours = vw.read_weather(cut)
    assert 4300 < len(hours) < 4400
    assert sum(hours.attrs["skipped"].values()) + len(hours) == hours.attrs["rows"]

    damaged = bytearray(text)
    rng = np.random.default_rng(5)
    for at in rng.integers(2000, len(damaged), 200):
        damaged[at] ^= 0x5A
    hostile = tmp_path / "damaged.epw"
    hostile.write_bytes(bytes(damaged).replace(b"\n", b"\r\n", 1000))
    hours = vw.read_weather(hostile)
    assert 8000 < len(hours) < 8760
    assert (hours.reason == 0).all() or np.isnan(hours.dry_bulb[hours.reason != 0]).all()

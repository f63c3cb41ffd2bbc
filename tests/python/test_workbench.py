"""The chart workbench over arrays: the processes library's results in the
units of each system, a problem per row, never an exception for one."""

import numpy as np
import pandas as pd
import pytest

import vaporwright as vw


def air(units, dry_bulb, relative_humidity, **atmosphere):
    return vw.states(dry_bulb=dry_bulb, relative_humidity=relative_humidity, units=units,
                     **atmosphere)


def test_process_loads_agree_between_the_unit_systems():
    """The same air in both systems: the same process, its loads in Btu/h
    and kW, water in lb/h and kg/h, the dry-bulb change in °F and K."""
    kinds = []
    results = {}
    for units, entering_t, leaving_t, flow, unit in [("IP", [80.0, 60.0], [55.0, 90.0], 2000.0, "cfm"),
                                                     ("SI", [26.666666, 15.555556], [12.777778, 32.222222],
                                                      943.89, "L/s")]:
        entering = air(units, entering_t, [50.0, 50.0])
        leaving = air(units, leaving_t, [95.0, 30.0])
        results[units] = vw.process(entering, leaving, flow, units=units, airflow_unit=unit)
        kinds.append([vw.PROCESS_KINDS[k] for k in results[units]["kind"]])
    ip, si = results["IP"], results["SI"]
    assert kinds[0] == kinds[1] == ["Cooling and dehumidifying", "Heating and humidifying"]
    assert list(ip["problem"]) == list(si["problem"]) == [0, 0]
    kw_per_btu_h = 1.05505585262 / 3600.0
    np.testing.assert_allclose(si["total_load"], ip["total_load"] * kw_per_btu_h, rtol=2e-3)
    np.testing.assert_allclose(si["sensible_load"], ip["sensible_load"] * kw_per_btu_h, rtol=2e-3)
    np.testing.assert_allclose(si["water"], ip["water"] * 0.45359237, rtol=2e-3)
    np.testing.assert_allclose(si["dry_bulb_change"], ip["dry_bulb_change"] / 1.8, rtol=1e-5)
    np.testing.assert_allclose(ip["sensible_load"] + ip["latent_load"], ip["total_load"], rtol=1e-12)
    assert ip["total_load"][0] < 0 < ip["total_load"][1]
    assert 0 < ip["sensible_heat_ratio"][0] < 1


def test_process_rows_fail_one_by_one():
    entering = air("IP", [70.0, 70.0, 70.0, 70.0, 70.0], [50.0] * 5)
    leaving = {
        "dry_bulb": np.array([70.0, 90.0, 500.0, 90.0, 85.0]),
        "humidity_ratio": np.array([entering["humidity_ratio"][0], 0.008, 0.008, 0.008, 0.008]),
        "pressure": np.array([14.696, 12.0, 14.696, 14.696, 14.696]),
    }
    airflow = np.array([1000.0, 1000.0, 1000.0, -5.0, np.nan])
    result = vw.process(entering, leaving, airflow)
    assert list(result["problem"]) == [vw.Problem.SAME_AIR, vw.Problem.DIFFERENT_PRESSURES,
                                       vw.Problem.DRY_BULB_OUT_OF_RANGE, vw.Problem.NO_AIRFLOW, 0]
    assert list(result["kind"][:4]) == [-1] * 4 and result["kind"][4] >= 0
    assert np.isnan(result["total_load"]).all()  # the last row has no airflow, so no loads
    assert np.isfinite(result["enthalpy_change"][4])
    assert vw.problem_text(result["problem"][0]) and vw.problem_text(0) == ""


def test_mixing_lies_between_the_streams_and_fog_is_a_problem():
    for units in ("IP", "SI"):
        hot = 95.0 if units == "IP" else 35.0
        cold = 55.0 if units == "IP" else 12.8
        first = air(units, [hot, hot], [40.0, 100.0])
        second = air(units, [cold, -10.0 if units == "SI" else 14.0], [50.0, 100.0])
        mixed = vw.mix(first, [1.0, 1.0], second, [3.0, 1.0], units=units)
        assert mixed["problem"][0] == 0 and mixed["problem"][1] == vw.Problem.SUPERSATURATED
        assert cold < mixed["dry_bulb"][0] < hot
        w1, w2 = first["humidity_ratio"][0], second["humidity_ratio"][0]
        share = mixed["first_share"][0]
        assert 0.2 < share < 0.3
        assert mixed["humidity_ratio"][0] == pytest.approx(share * w1 + (1 - share) * w2, rel=1e-9)


def test_a_coils_leaving_air_gives_back_its_apparatus_dew_point_and_bypass_factor():
    entering = air("SI", np.array([26.0, 30.0, 24.0]), np.array([50.0, 40.0, 60.0]))
    adp = np.array([10.0, 12.0, 8.0])
    bypass = np.array([0.1, 0.25, 0.0])
    leaving = vw.coil_leaving(entering, adp, bypass, units="SI")
    assert list(leaving["problem"]) == [0, 0, 0]
    back = vw.coil(entering, leaving, units="SI")
    assert list(back["problem"]) == [0, 0, 0]
    np.testing.assert_allclose(back["apparatus_dew_point"], adp, atol=0.02)
    np.testing.assert_allclose(back["bypass_factor"], bypass, atol=2e-3)

    # An ADP above the entering air, a bypass factor of 1: a problem each.
    bad = vw.coil_leaving(entering, [40.0, 12.0, 8.0], [0.1, 1.0, 0.1], units="SI")
    assert list(bad["problem"]) == [vw.Problem.BAD_APPARATUS_DEW_POINT, vw.Problem.BAD_BYPASS_FACTOR, 0]


def test_comfort_over_arrays_of_air_and_people():
    room = air("SI", np.array([18.0, 22.0, 26.0, 5.0]), 50.0)
    pmv = vw.comfort(room, met=1.2, clo=0.7, units="SI")
    assert list(pmv["problem"]) == [0, 0, 0, vw.Problem.OUTSIDE_COMFORT_MODEL]
    assert pmv["pmv"][0] < pmv["pmv"][1] < pmv["pmv"][2]
    assert (pmv["ppd"][:3] >= 5.0).all()  # never below 5 % dissatisfied
    people = vw.comfort(air("SI", 22.0, 50.0), met=[1.0, 2.0, 9.0], clo=0.5, units="SI")
    assert people["pmv"][0] < people["pmv"][1]
    assert people["problem"][2] == vw.Problem.BAD_COMFORT_PARAMETERS


def test_zone_membership_in_either_unit_system():
    si = air("SI", np.array([22.0, 30.0, 22.0, 24.0]), np.array([50.0, 50.0, 90.0, 55.0]))
    assert list(vw.in_zone(si, "data_room", units="SI")) == [True, False, False, True]
    ip = air("IP", np.array([71.6, 86.0, 71.6, 75.2]), np.array([50.0, 50.0, 90.0, 55.0]))
    limits_si = dict(min_dry_bulb=20.0, max_dry_bulb=25.0, max_relative_humidity=60.0)
    limits_ip = dict(min_dry_bulb=68.0, max_dry_bulb=77.0, max_relative_humidity=60.0)
    assert list(vw.in_zone(si, limits_si, units="SI")) == list(vw.in_zone(ip, limits_ip)) == [
        True, False, False, True]
    summer = vw.in_zone(air("SI", [25.0, 15.0], 50.0), "summer", units="SI")
    assert list(summer) == [True, False]
    not_air = {"dry_bulb": [np.nan], "humidity_ratio": [0.01]}
    assert list(vw.in_zone(not_air, "comfort")) == [False]


@pytest.mark.parametrize(
    "call, message",
    [
        (lambda p: vw.in_zone(p, {"min_dry_bulb": 30.0, "max_dry_bulb": 20.0}), "limit"),
        (lambda p: vw.in_zone(p, {"warmest": 30.0}), "warmest"),
        (lambda p: vw.in_zone(p, "cosy"), "zone must be"),
        (lambda p: vw.in_zone(p, "comfort", met=20.0), "met|metabolic|parameters"),
        (lambda p: vw.process(p, {"dry_bulb": 1.0}), "humidity_ratio"),
        (lambda p: vw.process(p, p, 100.0, airflow_unit="gpm"), "airflow"),
    ],
)
def test_a_workbench_call_that_cannot_be_followed_says_why(call, message):
    point = air("IP", 70.0, 50.0)
    with pytest.raises((ValueError, TypeError), match=message):
        call(point)


def test_points_from_a_frame_at_an_altitude():
    table = vw.frame(dry_bulb=[75.0, 55.0], relative_humidity=[50.0, 90.0], altitude=5280.0)
    entering, leaving = table.iloc[[0]], table.iloc[[1]]
    result = vw.process(entering, leaving, 1000.0, altitude=5280.0)
    at_pressure = vw.process(entering, leaving, 1000.0)  # each point's own pressure column
    assert result["problem"][0] == at_pressure["problem"][0] == 0
    assert result["total_load"][0] == pytest.approx(at_pressure["total_load"][0], rel=1e-6)
    assert isinstance(table, pd.DataFrame)

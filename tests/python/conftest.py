import os
import pathlib
import subprocess

import numpy as np
import pytest



def tool(variable):
    """A program the build made, named by ctest's environment."""
    path = os.environ.get(variable)
    if not path or not pathlib.Path(path).exists():
        pytest.skip(f"{variable} does not name a built program (run the tests through ctest)")
    return path


@pytest.fixture(scope="session")
def weather_data():
    path = os.environ.get("VW_WEATHER_DATA")
    if not path:
        pytest.skip("VW_WEATHER_DATA is not set (run the tests through ctest)")
    return pathlib.Path(path)


def core_reference(rows):
    """The compute core's properties and reason codes for rows of
    (units, first, second, atmosphere, v1, v2, atmosphere value)."""
    program = tool("VW_CORE_REFERENCE")
    text = "".join(",".join(repr(v) if isinstance(v, float) else str(v) for v in row) + "\n"
                   for row in rows)
    out = subprocess.run([program], input=text, capture_output=True, text=True, check=True)
    lines = out.stdout.splitlines()
    assert len(lines) == len(rows)
    values = np.array([[float.fromhex(x) if x != "nan" else np.nan for x in line.split(",")[:14]]
                       for line in lines])
    reasons = np.array([int(line.split(",")[14]) for line in lines])
    return values, reasons


def assert_same_bits(actual, expected, what):
    """Identical doubles: NaN where NaN, the same 64 bits elsewhere."""
    actual = np.asarray(actual, dtype=np.float64)
    expected = np.asarray(expected, dtype=np.float64)
    assert actual.shape == expected.shape, what
    nan = np.isnan(expected)
    assert np.array_equal(np.isnan(actual), nan), f"{what}: NaN at different rows"
    differ = actual[~nan].view(np.uint64) != expected[~nan].view(np.uint64)
    if differ.any():
        i = np.flatnonzero(differ)[0]
        raise AssertionError(
            f"{what}: {differ.sum()} rows differ, first {actual[~nan][i]!r} != {expected[~nan][i]!r}"
        )

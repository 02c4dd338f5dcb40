#!/usr/bin/env python3
"""Writes examples/drivers.spdata: twenty made-up driver models whose
parameters agree with each other (Qts from Qes and Qms, efficiency from Fs,
Vas and Qes, Sd from the cone's effective diameter, Vd = Sd * Xmax / 10)."""
import math
import sys

C = 345.0  # speed of sound, m/s

# name, range, Dia cm, Fs Hz, Vas l, Qes, Qms, Re ohm, Pemax W, Xmax mm, Le mH, cone diameter share
MODELS = [
    ("KW-380", "Woofer", 38, 22.5, 310.0, 0.38, 6.1, 5.4, 600, 9.5, 2.10),
    ("KW-300", "Woofer", 30, 24.0, 150.0, 0.36, 5.2, 5.6, 400, 8.0, 1.65),
    ("KW-250", "Woofer", 25, 28.0, 80.0, 0.34, 4.8, 5.8, 250, 7.0, 1.20),
    ("KS-460", "SubWof", 46, 18.5, 420.0, 0.42, 7.5, 3.4, 1000, 14.0, 3.40),
    ("KS-300", "SubWof", 30, 21.0, 95.0, 0.45, 6.8, 3.6, 500, 12.5, 2.60),
    ("KM-200", "Mid Wof", 20, 38.0, 42.0, 0.40, 4.2, 5.9, 150, 5.5, 0.95),
    ("KM-165", "Mid Wof", 16.5, 45.0, 22.0, 0.42, 3.9, 6.1, 100, 4.5, 0.72),
    ("KM-130", "Mid Wof", 13, 55.0, 9.5, 0.48, 3.6, 6.0, 70, 3.8, 0.55),
    ("KR-100", "Mid Rng", 10, 90.0, 3.2, 0.62, 3.1, 6.3, 50, 2.0, 0.30),
    ("KR-080", "Mid Rng", 8, 110.0, 1.4, 0.70, 2.9, 6.4, 40, 1.6, 0.22),
    ("KD-050", "Dom Mid", 7.5, 350.0, 0.12, 0.95, 2.2, 3.2, 60, 0.6, 0.08),
    ("KF-200", "Full Rng", 20, 42.0, 48.0, 0.46, 5.5, 7.2, 40, 2.5, 0.45),
    ("KF-120", "Full Rng", 12, 75.0, 6.0, 0.52, 4.4, 7.0, 20, 2.0, 0.12),
    ("KF-080", "Full Rng", 8, 105.0, 1.6, 0.60, 3.8, 6.8, 15, 1.5, 0.05),
    ("KT-025", "Dom Tw", 2.5, 900.0, 0.008, 1.10, 1.9, 4.8, 80, 0.3, 0.03),
    ("KT-028", "Dom Tw", 2.8, 750.0, 0.010, 0.95, 2.4, 4.6, 90, 0.35, 0.04),
    ("KT-050", "Tweeter", 5, 1100.0, 0.009, 1.40, 2.1, 5.2, 50, 0.2, 0.02),
    ("KC-165", "Coaxial", 16.5, 52.0, 18.0, 0.55, 4.1, 3.5, 90, 4.0, 0.60),
    ("KX-200", "W Corn", 20, 48.0, 35.0, 0.58, 5.0, 6.6, 35, 2.2, 0.50),
    ("KE-690", "Ellipse", 16, 60.0, 14.0, 0.65, 4.5, 3.3, 60, 3.2, 0.70),
]

DECIMALS = [2, 2, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 3]  # Dia .. Le in the file


def number_text(value, decimals):
    text = f"{round(value, decimals):.{decimals}f}".rstrip("0").rstrip(".")
    if text in ("-0", ""):
        text = "0"
    return text if text.startswith("-") else " " + text


def line(model):
    name, rng, dia, fs, vas, qes, qms, re, pemax, xmax, le = model
    qts = qes * qms / (qes + qms)
    eta = 4 * math.pi ** 2 / C ** 3 * fs ** 3 * (vas / 1000.0) / qes  # reference efficiency
    effective = 0.8 * dia if dia >= 10 else 0.9 * dia
    sd = math.pi * (effective / 2) ** 2  # cm^2
    sd = round(sd, 2)
    vd = sd * xmax / 10.0  # cm^3
    values = [dia, fs, vas, qts, qes, qms, eta * 100, re, pemax, sd, xmax, vd, le]
    fields = [number_text(v, d) for v, d in zip(values, DECIMALS)]
    return ",".join([name, rng] + fields) + "\r"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "examples/drivers.spdata"
    with open(out, "wb") as f:
        f.write("".join(line(m) for m in MODELS).encode("mac_roman"))


if __name__ == "__main__":
    main()

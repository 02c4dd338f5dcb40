// The driver files of other loudspeaker programs, read into the model table
// one model per driver: the INI-style ".wdr" driver file of the common free
// box-design program (SI units), and the XML driver database of the
// open-source Qt box-design program. Each model is named brand, a blank and
// model; its range label stays empty; what a file does not give reads 0.
#pragma once

#include "docs/sheet_format.h"

#include <string>
#include <string_view>

struct DriverFileResult {
    bool ok = true;      // false: not a file of its kind, and nothing was added
    std::string problem; // why not, in a few words
    ReadResult read;
};

// A "[Driver]" section of "Key=Value" lines: Fs, Qts, Qes, Qms, Re, Pe (as
// Pemax), Xmax (m), Sd (m²), Vas (m³), Vd (m³), Le (H), "no" (the reference
// efficiency as a fraction), Dia or else Dd (m), Brand and Model. Keys in
// any letter case; the text in UTF-8 or Windows-1252.
DriverFileResult AppendWdrDriver(std::string_view bytes);

// A <speakers> root holding one <speaker> element per driver, its values
// in attributes: vendor, model, fs, qts, qes, qms, re, pe, vas (litres),
// sd (m²), xmax (mm), le (mH), dia (m) and spl (dB at 1 W and 1 m, which
// gives the efficiency). Vd is Sd times Xmax. A file that is not such a
// database, or breaks off, adds nothing.
DriverFileResult AppendDriverDatabase(std::string_view bytes);

// A number as driver files write it: blanks around it, a decimal comma when
// there is no point, text after it ignored; no number gives 0.
double DriverFileNumber(std::string_view text);

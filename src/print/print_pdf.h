// The table printed to a PDF file without a window (merestone --print-pdf).
#pragma once

#include <string>

// Reads the document at inPath and writes its printed pages to outPath on a
// page of pageSize ("A4" or "Letter", landscape). Returns the exit status:
// 0 when written; otherwise a one-line message has gone to standard error and
// no file is left at outPath.
int PrintTableToPdf(const std::string& outPath, const std::string& inPath, const std::string& pageSize);

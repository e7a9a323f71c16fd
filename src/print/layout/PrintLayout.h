#pragma once

#include "InstrumentData.h"
#include "PrintRequest.h"
#include "PrintResult.h"
#include "PrintSurface.h"

#include <utility>

namespace corvex {

// The range a request prints: first = 1..99, last = first..99.
std::pair<int, int> printRange(const PrintRequest &request);

// What the job is called in the print service's queue and in the title of a
// PDF: "Corvex reagent list", "Corvex program 05", "Corvex programs 01–02".
QString printJobTitle(const PrintRequest &request);

// The print run: one job on `surface` with one sheet per program of the range
// (separated by new pages) or the single reagent list sheet. It changes no
// data. A job whose sheets cannot be composed never reaches the surface; a
// surface that fails stops the run at once and its job is discarded.
PrintResult runPrintLayout(const InstrumentData &data, const PrintRequest &request, PrintSurface &surface);

} // namespace corvex

// The one interpreter of the MRU catalogue: it walks a table of rows in
// order, runs their loops (hive groups, shared extension loops, number and
// letter ranges), honours gates, "only when the row above is found" and
// switch rows, probes each row through ReadValue or ReadSection, and records
// every find.
#pragma once

#include <span>

#include "scan/catalogue.h"
#include "scan/scan_context.h"

namespace scan {

struct CatalogueOptions {
    // Yield to the message loop once after each extension of an extension
    // loop (the OpenSaveMRU lists do, so the window stays responsive).
    bool yieldAfterEachExtension = false;
    // Pass over an error raised by one probe (its read or its record) and go
    // on with the next probe, instead of letting it end the scanner. A switch
    // read that fails counts as the switch's default, as a missing value does.
    bool ignoreErrorsPerProbe = false;
};

void RunCatalogue(ScanContext& ctx, std::span<const catalogue::Row> rows, CatalogueOptions options = {});

}  // namespace scan

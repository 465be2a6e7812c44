#include "scan/application_lists.h"

#include "scan/application_list_tables.h"
#include "scan/catalogue_interpreter.h"

namespace scan {

// An error in one probe or in the switch read skips only that step.
void ScanCurrentUserApplications(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kCurrentUserApplications, {.ignoreErrorsPerProbe = true});
}

}  // namespace scan

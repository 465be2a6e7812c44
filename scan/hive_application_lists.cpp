#include "scan/hive_application_lists.h"

#include "scan/catalogue_interpreter.h"
#include "scan/hive_application_list_tables.h"

namespace scan {

// An error in one probe or in the switch read skips only that step.
void ScanHiveApplications(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kHiveApplications, {.ignoreErrorsPerProbe = true});
}

}  // namespace scan

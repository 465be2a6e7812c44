// Windows offers no cheap way to make a group of registry calls all or
// nothing (the transacted registry needs KTM and is deprecated), so here a
// batch is only a marker: every call inside it takes effect as it is made and
// reports its own status, and Commit has nothing left to apply. Callers that
// need all or nothing check their whole input before the first call, as the
// .reg importer does.
#include "platform/registry_api.h"

namespace platform {

RegistryBatch::RegistryBatch() : open_(true) {}

RegistryBatch::~RegistryBatch() = default;

long RegistryBatch::Commit() {
    open_ = false;
    return kErrorSuccess;
}

}  // namespace platform

namespace platform {

// Each change lasts as it is made.
long SaveRegistryChanges(std::string& problem) {
    problem.clear();
    return kErrorSuccess;
}

}  // namespace platform

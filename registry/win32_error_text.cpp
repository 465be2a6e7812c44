#include "registry/win32_error_text.h"

#include "platform/registry_api.h"

namespace registry {

std::string Win32ErrorText(long code) {
    const char* words = nullptr;
    switch (code) {
        case platform::kErrorFileNotFound:
            words = "not found";
            break;
        case platform::kErrorAccessDenied:
            words = "access denied";
            break;
        case platform::kErrorInvalidHandle:
            words = "invalid handle";
            break;
        case platform::kErrorNotEnoughMemory:
            words = "not enough memory";
            break;
        case platform::kErrorInvalidData:
            words = "invalid data";
            break;
        case platform::kErrorWriteProtect:
            words = "the disk is write-protected";
            break;
        case platform::kErrorWriteFault:
            words = "write fault";
            break;
        case platform::kErrorInvalidParameter:
            words = "invalid parameter";
            break;
        case platform::kErrorDiskFull:
            words = "disk full";
            break;
        case platform::kErrorBadPathname:
            words = "bad path name";
            break;
        case platform::kErrorBusy:
            words = "the registry store is busy";
            break;
        case platform::kErrorBadDb:
            words = "the registry store is damaged";
            break;
        case platform::kErrorRegistryIoFailed:
            words = "the registry store cannot be read or written";
            break;
        case platform::kErrorKeyDeleted:
            words = "the key has been deleted";
            break;
        default:
            break;
    }
    std::string text = "error " + std::to_string(code);
    if (words != nullptr) text += std::string(" (") + words + ")";
    return text;
}

}  // namespace registry

#include "scan/drive_type_name.h"

#include "platform/system_info.h"

namespace scan {

std::string DriveTypeName(const std::string& letter) {
    switch (platform::DriveType(letter + ":\\")) {
        case platform::kDriveRemovable:
            return "Removable";
        case platform::kDriveFixed:
            return "Drive Fixed";
        case platform::kDriveRemote:
            return "Remote";
        case platform::kDriveCdrom:
            return "CD-Rom";
        case platform::kDriveRamdisk:
            return "Ram disk";
        default:
            return "Unrecognized";
    }
}

}  // namespace scan

// The text for the type of a drive, as the Office 'Recent' folder scan
// tells a fixed drive C: from any other.
#pragma once

#include <string>

namespace scan {

// The type the platform reports for the root of the drive (letter ":\"):
// "Removable", "Drive Fixed", "Remote", "CD-Rom", "Ram disk" or
// "Unrecognized".
std::string DriveTypeName(const std::string& letter);

}  // namespace scan

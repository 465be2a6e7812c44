// The registry calls the program makes, with the semantics and error codes of
// the Win32 ANSI functions (RegOpenKeyExA and friends). Names, key paths and
// string data are bytes in the ANSI code page (Windows-1252).
//
// win32/ forwards every call to advapi32; emulated/ keeps the registry in a
// SQLite store inside the prefix.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A key handle. The predefined roots carry their Win32 values; every other
// handle comes from OpenKey or CreateKey and must be closed with CloseKey.
using HKey = std::uintptr_t;

inline constexpr HKey kHkeyClassesRoot = 0x80000000u;
inline constexpr HKey kHkeyCurrentUser = 0x80000001u;
inline constexpr HKey kHkeyLocalMachine = 0x80000002u;
inline constexpr HKey kHkeyUsers = 0x80000003u;
inline constexpr HKey kHkeyPerformanceData = 0x80000004u;
inline constexpr HKey kHkeyCurrentConfig = 0x80000005u;
inline constexpr HKey kHkeyDynData = 0x80000006u;

// Win32 error codes returned by the calls.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorNotEnoughMemory = 8;
inline constexpr long kErrorInvalidData = 13;
inline constexpr long kErrorWriteProtect = 19;
inline constexpr long kErrorWriteFault = 29;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorDiskFull = 112;
inline constexpr long kErrorBadPathname = 161;
inline constexpr long kErrorBusy = 170;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;
inline constexpr long kErrorBadDb = 1009;
inline constexpr long kErrorRegistryIoFailed = 1016;
inline constexpr long kErrorKeyDeleted = 1018;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegDwordBigEndian = 5;
inline constexpr std::uint32_t kRegLink = 6;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWrite = 0x20006;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Longest key name component and value name, in characters.
inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;
// Keys nest at most this many levels below a root key.
inline constexpr std::size_t kMaxKeyDepth = 512;

long RegOpenKey(HKey parent, const std::string& subKey, std::uint32_t access, HKey* result);
long RegCreateKey(HKey parent, const std::string& subKey, std::uint32_t access, HKey* result);
long RegCloseKey(HKey key);

// As RegQueryValueExA: with data null, reports type and size only; with a
// buffer smaller than the data, answers kErrorMoreData and the needed size.
long RegQueryValue(HKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                   std::uint32_t* size);
long RegSetValue(HKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                 std::uint32_t size);
long RegDeleteValue(HKey key, const std::string& valueName);
// Deletes a key without subkeys; a key with subkeys is refused with 5.
long RegDeleteKey(HKey parent, const std::string& subKey);

// As RegEnumKeyExA: nameLength is the buffer size in characters on entry
// (room for the NUL included) and the name's length on return.
long RegEnumKey(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLength);
// As RegEnumValueA; data may be null to ask for type and size only.
long RegEnumValue(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                  std::uint8_t* data, std::uint32_t* dataSize);

struct KeyInfo {
    std::uint32_t subKeys = 0;
    std::uint32_t maxSubKeyLength = 0;
    std::uint32_t values = 0;
    std::uint32_t maxValueNameLength = 0;
    std::uint32_t maxValueLength = 0;
};
long RegQueryInfoKey(HKey key, KeyInfo* info);

// As ExpandEnvironmentStringsA: %NAME% is replaced where NAME is set, left
// as it stands otherwise.
std::string ExpandEnvironmentStrings(const std::string& text);

// Groups the mutating calls that follow into one change. On the emulated
// platform it is all or nothing: nothing is kept unless Commit succeeds. On
// Windows each call takes effect as it is made and Commit only reports, so
// callers that need all or nothing validate everything first.
class RegistryBatch {
public:
    RegistryBatch();
    ~RegistryBatch();
    RegistryBatch(const RegistryBatch&) = delete;
    RegistryBatch& operator=(const RegistryBatch&) = delete;

    // 0 when the batch is open; otherwise why not, and nothing may be applied.
    long Status() const { return status_; }
    long Commit();

private:
    bool open_ = false;
    long status_ = 0;
};

// Makes the registry changes made so far lasting where they are not yet:
// on Windows and on the emulated machine each change lasts as it is made,
// and this does nothing; on an installation that is not running
// (platform/offline_machine.h) it writes the changed hive files, all of
// them or, when one cannot be written, none. 0, or a Win32 error code with
// problem saying what was not saved.
long SaveRegistryChanges(std::string& problem);

}  // namespace platform

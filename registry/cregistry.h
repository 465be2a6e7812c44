// A small registry object addressed through properties: set the hive
// (ClassKey), the key path (SectionKey) and, for value operations, the value
// name (ValueKey), then call a member. Failures are raised as RegistryError.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace registry {

// An error raised by cRegistry: number (a 32-bit signed value), description
// and source (the program's name followed by ".cRegistry").
class RegistryError : public std::runtime_error {
public:
    RegistryError(std::int32_t number, std::string description, std::string source);
    std::int32_t Number() const { return number_; }
    const std::string& Description() const { return description_; }
    const std::string& Source() const { return source_; }

private:
    std::int32_t number_;
    std::string description_;
    std::string source_;
};

// The program's executable name, used in error sources; "nimbrel" unless a
// program sets its own.
void SetProgramName(std::string name);
const std::string& ProgramName();

}  // namespace registry

// Kept in the global namespace under its own name, as the rest of the
// program refers to it.
class cRegistry {
public:
    // A tagged value: a string, a 16- or 32-bit integer or a byte array.
    using TaggedValue =
        std::variant<std::monostate, std::string, std::int16_t, std::int32_t, std::vector<std::uint8_t>>;

    // Subkey listing. sSect is 1-based: index 0 is unused, so its size is
    // always iSectCount + 1. A key that cannot be opened lists as empty.
    bool EnumerateSections(std::vector<std::string>& sSect, std::int32_t& iSectCount);

    bool KeyExists() const;
    bool CreateKey();
    bool DeleteKey();
    bool DeleteValue();
    TaggedValue Value();
    void SetValue(const TaggedValue& vValue);
    // 1-based as EnumerateSections.
    bool EnumerateValues(std::vector<std::string>& sKeyNames, std::int32_t& iKeyCount);
    void CreateEXEAssociation(const std::string& sExePath, const std::string& sClassName,
                              const std::string& sClassDescription, const std::string& sAssociation,
                              const std::string& sOpenMenuText, bool bSupportPrint, const std::string& sPrintMenuText,
                              bool bSupportNew, const std::string& sNewMenuText, bool bSupportInstall,
                              const std::string& sInstallMenuText, std::int32_t lDefaultIconIndex);
    void CreateAdditionalEXEAssociations(const std::string& sClassName, const std::vector<TaggedValue>& vItems);

    std::int32_t ValueType() const { return eValueType_; }
    void SetValueType(std::int32_t eValueType) { eValueType_ = eValueType; }
    // The hive as the signed value of its predefined handle, e.g.
    // -2147483645 for HKEY_USERS.
    std::int32_t ClassKey() const { return eKey_; }
    void SetClassKey(std::int32_t eKey) { eKey_ = eKey; }
    const std::string& SectionKey() const { return sSectionKey_; }
    void SetSectionKey(std::string sSectionKey) { sSectionKey_ = std::move(sSectionKey); }
    const std::string& ValueKey() const { return sValueKey_; }
    void SetValueKey(std::string sValueKey) { sValueKey_ = std::move(sValueKey); }
    const TaggedValue& Default() const { return vDefault_; }
    void SetDefault(TaggedValue vDefault) { vDefault_ = std::move(vDefault); }
    // The last value this instance stored; empty until it stores one.
    const TaggedValue& LastWritten() const { return lastWritten_; }

private:
    // Stores a value as SetValue does, for any hive and key, and raises its
    // errors naming them; the association members write through it.
    void StoreValue(std::int32_t eKey, const std::string& sSection, const std::string& sValueName,
                    std::int32_t eValueType, const TaggedValue& vValue);
    void StoreText(std::int32_t eKey, const std::string& sSection, const std::string& sText);

    std::int32_t eKey_ = 0;
    std::string sSectionKey_;
    std::string sValueKey_;
    std::int32_t eValueType_ = 0;
    TaggedValue vDefault_;
    TaggedValue lastWritten_;
};

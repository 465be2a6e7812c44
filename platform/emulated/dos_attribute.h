// The DOS attribute that Samba and Wine keep for a host file in its extended
// attribute user.DOSATTRIB.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::emulated {

inline constexpr const char* kDosAttributeXattr = "user.DOSATTRIB";

// The attribute held in the data of user.DOSATTRIB, 0 for data of no known
// form. Two forms are read:
//  - text "0x" and hex digits, with or without a final NUL: what Wine writes
//    ("0x22") and what Samba 3 wrote;
//  - Samba's NDR blob (librpc/idl/xattr.idl, xattr_DOSATTRIB): a
//    NUL-terminated hex text (filled in by version 3, empty from version 4
//    on), padding to 2 bytes, uint16 version, uint16 union level equal to
//    it, padding to 4 bytes, then the info of that version, all
//    little-endian. The attribute is the first uint32 of the info for
//    versions 1 and 0xFFFF, the second (after the flags) for versions 2 to 5.
// A non-empty hex text wins over the rest of the blob.
std::uint32_t ParseDosAttribute(const unsigned char* data, std::size_t size);

}  // namespace platform::emulated

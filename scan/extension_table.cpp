#include "scan/extension_table.h"

#include <array>

namespace scan {

namespace {

constexpr std::array<std::string_view, kExtensionCount> kExtensions = {
    "*",    "ace",    "apg", "arf", "asf",  "asp", "asx", "avi",  "awb", "awr", "bas", "bat",   "bin",  "blt",
    "bmp",  "cab",    "cfg", "chm", "cls",  "cmd", "com", "conf", "ctl", "cur", "dat", "dem",   "divx", "DLL",
    "doc",  "Evt",    "exe", "frm", "gif",  "gz",  "hhc", "hhk",  "hhp", "hls", "htm", "html",  "iaf",  "ico",
    "inf",  "ini",    "iss", "jar", "java", "JPG", "kf",  "lnk",  "log", "mdl", "mov", "mp2",   "mp3",  "mpeg",
    "mpg",  "MSWMM",  "nbf", "net", "nsp",  "ocx", "PDF", "php",  "pif", "ppt", "ram", "rar",   "rat",  "rcm",
    "reg",  "rem",    "sbd", "scn", "sh",   "sig", "sim", "sit",  "sma", "SS3", "td3", "thumb", "TIF",  "tmp",
    "txt",  "url",    "vbp", "wav", "web",  "wmv", "wmz", "xlr",  "xls", "xml", "zip", "cil",   "csv",  "bde",
    "rtf",  "TTF",    "vbg", "vbs", "sql",  "RMS", "rm",  "odl",  "nfo", "m3u", "swf", "ABK",   "ACL",  "ADE",
    "ADN",  "ADP",    "WPT", "WPW", "WQ1",  "WQ2", "WRI", "DCR",  "alb", "c4d", "cpp", "dtb",   "ebf",  "ebp",
    "fla",  "h",      "hlp", "inc", "jnt",  "js",  "nri", "ocm",  "pic", "png", "psp", "sbi",   "SCC",  "svg",
    "te",   "uti",    "vcp", "sbs", "01",   "001", "def", "eml",  "iso", "cue", "par", "p01",   "p02",  "shouldbezip",
    "ugly", "vcproj", "tlb", "3DS", "abl",  "agr", "ani", "bak",  "c",   "cer", "mdb", "msi",   "scr",  "sss",
};

}  // namespace

std::string_view Extension(int index) { return kExtensions.at(static_cast<std::size_t>(index - 1)); }

}  // namespace scan

// The text of a .reg file as lines of ANSI (Windows-1252) text, whatever
// its encoding: UTF-16LE with a byte-order mark, UTF-8 with one, or, without
// one, UTF-8 when the bytes are valid UTF-8 and ANSI otherwise. Characters
// that 1252 lacks become '?', as they would in the ANSI registry calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace registry {

// Decodes one line at a time, so that a file is refused at its first bad
// line without the rest being decoded or held.
class RegFileLines {
public:
    // Lines longer than maxLength characters are refused as soon as they
    // pass it. bytes must outlive the object.
    RegFileLines(std::string_view bytes, std::size_t maxLength);

    // Moves to the next line. False at the end of the text, or at text that
    // is not valid in its encoding, which Fault() then describes.
    bool Next();
    // The current line, without its CR/LF end.
    const std::string& Line() const { return line_; }
    // The 1-based number of the current line, or of the faulty one.
    std::size_t Number() const { return number_; }
    const std::string& Fault() const { return fault_; }

private:
    bool NextUtf16();
    bool NextBytes();
    bool Refuse(std::string what);

    std::string_view bytes_;
    std::size_t maxLength_;
    std::size_t position_ = 0;
    std::size_t number_ = 0;
    bool utf16_ = false;
    bool utf8_ = false;
    bool ended_ = false;
    std::string line_;
    std::string fault_;
};

}  // namespace registry

// The notation of the MRU catalogue: a row is one probe of the registry,
// possibly repeated over a range, written with the columns of the catalogue
// tables (Group, Root, Key, Value, Type, Range, Label, Count, Notes).
//
// A text cell is literal pieces and placeholders side by side:
//   {"url", n}                     the value names url1, url2, ...
//   {h, "\\Software\\Kazaa\\Search"} a key in the current user hive
// with n the loop number, x the letter, e the file extension, h the user
// hive's name and i its index in the hive list. An empty cell or a dash is
// written _.
//
// The short names of the notation (_, n, x, e, h, i, HKCU, S, BB, N(), item,
// gate, H1 ...) live in catalogue::notation, which only the tables open (in
// namespace scan::tables); code names the types of this namespace instead.
//
// One interpreter (catalogue_interpreter.h) runs every table; every table is
// listed in catalogue_tables.h, and catalogue_check.h holds the rules of a
// table's structure that the interpreter relies on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace scan::catalogue {

// An empty cell or a dash.
struct Dash {};

enum class Slot : std::uint8_t { kText, kN, kX, kE, kH, kI };

struct Placeholder {
    Slot slot;
};

struct Piece {
    std::string_view text;
    Slot slot = Slot::kText;

    constexpr Piece() = default;
    constexpr Piece(const char* literal) : text(literal) {}
    constexpr Piece(Placeholder placeholder) : slot(placeholder.slot) {}
};

// A text cell: up to seven pieces joined with nothing between them.
struct Text {
    static constexpr std::size_t kMaxPieces = 7;

    std::array<Piece, kMaxPieces> pieces{};
    std::uint8_t size = 0;

    constexpr Text() = default;
    constexpr Text(Dash) {}
    template <class... P>
    requires(sizeof...(P) >= 1 && sizeof...(P) <= kMaxPieces) constexpr Text(P... parts)
        : pieces{Piece(parts)...}, size(sizeof...(P)) {}

    constexpr bool Empty() const { return size == 0; }
};

struct Root {
    const char* name = nullptr;
};

// The type code passed to ReadValue, or a key probe through ReadSection.
struct Type {
    const char* code = nullptr;  // nullptr: a key probe

    constexpr bool IsKeyProbe() const { return code == nullptr; }
};

// The letter table: position 1 is "a", 26 "z", 27 "{", 28 "|", 29 "}".
inline constexpr int kLetterCount = 29;
constexpr char Letter(int position) { return static_cast<char>(96 + position); }
constexpr int LetterPosition(char letter) { return letter - 96; }

// The loop of a row: an extension loop (e first to last, positions in the
// extension table), a number loop (n) or a letter loop (x, as positions in
// the letter table), or an extension loop around a number or letter loop.
struct Range {
    enum class Loop : std::uint8_t { kOnce, kNumber, kLetter };

    Loop loop = Loop::kOnce;
    int first = 0;
    int last = 0;
    int extFirst = 0;  // 0: no extension loop
    int extLast = 0;

    constexpr Range() = default;
    constexpr Range(Dash) {}
    constexpr Range(Loop kind, int from, int to) : loop(kind), first(from), last(to) {}

    constexpr bool HasExtensionLoop() const { return extFirst != 0; }
    constexpr bool SameExtensionLoop(const Range& other) const {
        return extFirst == other.extFirst && extLast == other.extLast;
    }
};

enum class Count : std::uint8_t { kNone, kList, kItem };

struct CountCell {
    Count count = Count::kNone;
    constexpr CountCell(Dash) {}
    constexpr CountCell(Count c) : count(c) {}
};

// A for-each-hive group: consecutive rows with the same group run together
// for each user hive. 0 is no group.
struct Group {
    int number = 0;
    constexpr Group(Dash) {}
    constexpr explicit Group(int groupNumber) : number(groupNumber) {}
};

// The Notes cell: what a row records where it differs from the recording
// rule, and how it depends on the rows around it. Parts combine with |.
struct Notes {
    // key: the row records the subkey `subkey` of `parent` as a key row.
    bool recordsKey = false;
    Text parent;
    Text subkey;
    // Subkey / ValueType recorded instead of the probed key or the row's type.
    Text subkeyOverride;
    const char* valueTypeOverride = nullptr;
    // gate of the next row: a key probe that records nothing.
    bool gate = false;
    // only when the row above is found.
    bool onlyWhenAboveFound = false;
    // switch: the row reads a category switch that decides whether the next
    // switchRows rows (or, with switchGroup, the next group) run.
    bool isSwitch = false;
    int switchRows = 0;
    bool switchGroup = false;

    constexpr Notes() = default;
    constexpr Notes(Dash) {}
};

constexpr Notes operator|(Notes a, const Notes& b) {
    if (b.recordsKey) {
        a.recordsKey = true;
        a.parent = b.parent;
        a.subkey = b.subkey;
    }
    if (!b.subkeyOverride.Empty()) a.subkeyOverride = b.subkeyOverride;
    if (b.valueTypeOverride != nullptr) a.valueTypeOverride = b.valueTypeOverride;
    a.gate = a.gate || b.gate;
    a.onlyWhenAboveFound = a.onlyWhenAboveFound || b.onlyWhenAboveFound;
    return a;
}

struct Row {
    Group group;
    Root root;
    Text key;
    Text value;
    Type type;
    Range range;
    Text label;
    CountCell count;
    Notes notes;
};

// The words the tables are written in, one cell at a time.
namespace notation {

// An empty cell or a dash.
inline constexpr Dash _{};

inline constexpr Placeholder n{Slot::kN};
inline constexpr Placeholder x{Slot::kX};
inline constexpr Placeholder e{Slot::kE};
inline constexpr Placeholder h{Slot::kH};
inline constexpr Placeholder i{Slot::kI};

// The unnamed (default) value of a key: its name is the empty string.
inline constexpr Text unnamed{""};

inline constexpr Root HKCU{"HKCU"};
inline constexpr Root HKLM{"HKLM"};
inline constexpr Root HKU{"HKU"};

inline constexpr Type S{"S"};
inline constexpr Type BB{"BB"};
inline constexpr Type D{"D"};
inline constexpr Type B{"B"};
inline constexpr Type key{};

// n first–last
constexpr Range N(int first, int last) { return {Range::Loop::kNumber, first, last}; }
// x first–last, e.g. X('a', 'z') or X('a', '}')
constexpr Range X(char first, char last) { return {Range::Loop::kLetter, LetterPosition(first), LetterPosition(last)}; }
// e first–last, alone or around a number or letter loop: E(1, 149, N(0, 9))
constexpr Range E(int first, int last, Range inner = {}) {
    inner.extFirst = first;
    inner.extLast = last;
    return inner;
}

inline constexpr Count list = Count::kList;
inline constexpr Count item = Count::kItem;

inline constexpr Group H1{1}, H2{2}, H3{3}, H4{4}, H5{5}, H6{6}, H7{7}, H8{8}, H9{9}, H10{10}, H11{11}, H12{12},
    H13{13}, H14{14}, H15{15}, H16{16}, H17{17}, H18{18}, H19{19}, H20{20}, H21{21};

// key; parent ..., subkey ...
constexpr Notes Key(Text parent, Text subkey) {
    Notes notes;
    notes.recordsKey = true;
    notes.parent = parent;
    notes.subkey = subkey;
    return notes;
}

// Subkey ...
constexpr Notes Subkey(Text subkey) {
    Notes notes;
    notes.subkeyOverride = subkey;
    return notes;
}

// ValueType ...
constexpr Notes ValueType(const char* code) {
    Notes notes;
    notes.valueTypeOverride = code;
    return notes;
}

constexpr Notes MakeGate() {
    Notes notes;
    notes.gate = true;
    return notes;
}
constexpr Notes MakeAbove() {
    Notes notes;
    notes.onlyWhenAboveFound = true;
    return notes;
}

// gate of the next row
inline constexpr Notes gate = MakeGate();
// only when the row above is found
inline constexpr Notes above = MakeAbove();

// switch: the next `rows` rows run only when it reads true
constexpr Notes SwitchRows(int rows) {
    Notes notes;
    notes.isSwitch = true;
    notes.switchRows = rows;
    return notes;
}

// switch: the next group runs only when it reads true
constexpr Notes SwitchGroup() {
    Notes notes;
    notes.isSwitch = true;
    notes.switchGroup = true;
    return notes;
}

}  // namespace notation

}  // namespace scan::catalogue

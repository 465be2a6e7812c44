#include "scan/catalogue_interpreter.h"

#include <cassert>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "registry/mod_registry.h"
#include "scan/catalogue_check.h"
#include "scan/category_switch.h"
#include "scan/extension_table.h"
#include "scan/record.h"

namespace scan {

namespace {

using namespace catalogue;

// The current values of the placeholders.
struct Bindings {
    int number = 0;
    int letter = 0;
    bool inExtensionLoop = false;
    std::string_view extension;
    const std::string* hive = nullptr;
    std::size_t hiveIndex = 0;
};

std::string Fill(const Text& text, const Bindings& b) {
    std::string out;
    for (std::size_t k = 0; k < text.size; ++k) {
        const Piece& piece = text.pieces[k];
        switch (piece.slot) {
            case Slot::kText:
                out += piece.text;
                break;
            case Slot::kN:
                out += std::to_string(b.number);
                break;
            case Slot::kX:
                out += Letter(b.letter);
                break;
            case Slot::kE:
                out += b.extension;
                break;
            case Slot::kH:
                out += *b.hive;
                break;
            case Slot::kI:
                out += std::to_string(b.hiveIndex);
                break;
        }
    }
    return out;
}

class Interpreter {
public:
    Interpreter(ScanContext& ctx, std::span<const Row> rows, CatalogueOptions options)
        : ctx_(ctx), rows_(rows), options_(options), found_(rows.size(), false) {}

    void Run() { RunRows(0, rows_.size(), Bindings{}); }

private:
    void RunRows(std::size_t begin, std::size_t end, const Bindings& outer) {
        std::size_t index = begin;
        while (index < end) {
            const Row& row = rows_[index];
            if (row.group.number != 0 && outer.hive == nullptr) {
                index = RunHiveGroup(index, end, outer);
            } else if (row.range.HasExtensionLoop() && !outer.inExtensionLoop) {
                index = RunExtensionLoop(index, end, outer);
            } else if (row.notes.isSwitch) {
                index = RunSwitch(index, end, outer);
            } else {
                RunRow(index, outer);
                ++index;
            }
        }
    }

    // Consecutive rows of one group run together for each hive, the hive
    // count read once.
    std::size_t RunHiveGroup(std::size_t begin, std::size_t end, const Bindings& outer) {
        std::size_t stop = begin + 1;
        while (stop < end && rows_[stop].group.number == rows_[begin].group.number) ++stop;
        const std::vector<std::string>& hives = ctx_.window.EnumList;
        const std::size_t count = hives.size();
        for (std::size_t k = 0; k < count; ++k) {
            Bindings inner = outer;
            inner.hive = &hives[k];
            inner.hiveIndex = k;
            RunRows(begin, stop, inner);
        }
        return stop;
    }

    // Consecutive rows with the same extension range share one loop: all of
    // them for the first extension, then all for the next.
    std::size_t RunExtensionLoop(std::size_t begin, std::size_t end, const Bindings& outer) {
        const Row& first = rows_[begin];
        std::size_t stop = begin + 1;
        while (stop < end && rows_[stop].range.HasExtensionLoop() && rows_[stop].range.SameExtensionLoop(first.range) &&
               rows_[stop].group.number == first.group.number) {
            ++stop;
        }
        for (int index = first.range.extFirst; index <= first.range.extLast; ++index) {
            Bindings inner = outer;
            inner.inExtensionLoop = true;
            inner.extension = Extension(index);
            RunRows(begin, stop, inner);
            if (options_.yieldAfterEachExtension) ctx_.host.Yield();
        }
        return stop;
    }

    // A switch row reads its category switch; when it is off, the rows it
    // guards are skipped and the note is shown.
    std::size_t RunSwitch(std::size_t index, std::size_t end, const Bindings& outer) {
        const Row& row = rows_[index];
        if (ReadSwitch(row, outer)) return index + 1;
        ctx_.window.notice.visible = true;
        std::size_t stop = index + 1;
        if (row.notes.switchGroup) {
            const int group = stop < end ? rows_[stop].group.number : 0;
            while (stop < end && group != 0 && rows_[stop].group.number == group) ++stop;
        } else {
            stop += static_cast<std::size_t>(row.notes.switchRows);
        }
        for (std::size_t skipped = index + 1; skipped < stop && skipped < end; ++skipped) {
            found_[skipped] = false;
        }
        return stop < end ? stop : end;
    }

    bool ReadSwitch(const Row& row, const Bindings& b) {
        const auto read = [&] { return SwitchOn(row.root.name, Fill(row.key, b), Fill(row.value, b)); };
        if (!options_.ignoreErrorsPerProbe) return read();
        try {
            return read();
        } catch (const std::exception&) {
            return CategoryDefault(Fill(row.value, b));
        }
    }

    void RunRow(std::size_t index, Bindings b) {
        const Row& row = rows_[index];
        const bool gated = row.notes.onlyWhenAboveFound || (index > 0 && rows_[index - 1].notes.gate);
        if (gated && (index == 0 || !found_[index - 1])) {
            found_[index] = false;
            return;
        }
        bool any = false;
        switch (row.range.loop) {
            case Range::Loop::kOnce:
                any = Probe(row, b);
                break;
            case Range::Loop::kNumber:
                for (b.number = row.range.first; b.number <= row.range.last; ++b.number) {
                    any = Probe(row, b) || any;
                }
                break;
            case Range::Loop::kLetter:
                for (b.letter = row.range.first; b.letter <= row.range.last; ++b.letter) {
                    any = Probe(row, b) || any;
                }
                break;
        }
        found_[index] = any;
    }

    bool Probe(const Row& row, const Bindings& b) {
        if (!options_.ignoreErrorsPerProbe) return ProbeOnce(row, b);
        try {
            return ProbeOnce(row, b);
        } catch (const std::exception&) {
            return false;
        }
    }

    bool ProbeOnce(const Row& row, const Bindings& b) {
        const std::string keyPath = Fill(row.key, b);
        std::string valueName;
        bool found = false;
        if (row.type.IsKeyProbe()) {
            std::string text;
            modRegistry::ReadSection(row.root.name, keyPath, text);
            found = !text.empty();
        } else {
            valueName = Fill(row.value, b);
            modRegistry::ValueHolder result;
            modRegistry::ReadValue(row.root.name, keyPath, valueName, row.type.code, kAbsent, result);
            found = !(result == kAbsent);
        }
        if (found && !row.notes.gate && row.count.count != Count::kNone) {
            RecordFind(row, b, keyPath, valueName);
        }
        return found;
    }

    void RecordFind(const Row& row, const Bindings& b, const std::string& keyPath, const std::string& valueName) {
        scan::DetectedItem found;
        found.label = Fill(row.label, b);
        found.mainkey = row.root.name;
        if (row.notes.recordsKey) {
            found.subkey = Fill(row.notes.parent, b);
            found.value = Fill(row.notes.subkey, b);
            found.kind = "Key";
        } else {
            found.subkey = row.notes.subkeyOverride.Empty() ? keyPath : Fill(row.notes.subkeyOverride, b);
            found.value = valueName;
            found.valueType = row.notes.valueTypeOverride != nullptr    ? row.notes.valueTypeOverride
                              : std::string_view(row.type.code) == "BB" ? "B"
                                                                        : row.type.code;
            found.kind = "Value";
        }
        Record(ctx_, row.count.count == Count::kList ? Counter::kLists : Counter::kItems, std::move(found));
    }

    inline static const modRegistry::ValueHolder kAbsent{modRegistry::kNone};

    ScanContext& ctx_;
    std::span<const Row> rows_;
    CatalogueOptions options_;
    std::vector<bool> found_;
};

}  // namespace

void RunCatalogue(ScanContext& ctx, std::span<const Row> rows, CatalogueOptions options) {
    // The tables are checked as they are built (catalogue_tables.h); rows
    // built at run time, from the names a scanner finds, in debug builds here.
    assert(!catalogue::FindFault(rows).Found());
    Interpreter(ctx, rows, options).Run();
}

}  // namespace scan

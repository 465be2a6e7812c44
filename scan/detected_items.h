// The store of detected items: six parallel text columns (the label shown
// with a check box, and five hidden columns) that always hold the same
// number of rows, plus the check box of each row and what the row's
// registry item held when it was found. Rows are only ever added at the end
// or cleared all together.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scan {

// What a row names; the store keeps it as the text of its kind column.
enum class ItemKind { kValue, kKey, kFolder, kFile, kUnknown };

// The text of a kind column as a kind; kUnknown for any other text.
ItemKind KindOf(std::string_view kindColumn);

// One found item, a row across the six columns.
struct DetectedItem {
    std::string label;      // List1
    std::string mainkey;    // Mainkey: root name, or the full path of a file or folder
    std::string subkey;     // Subkey
    std::string value;      // Value
    std::string valueType;  // ValueType
    std::string kind;       // Key: "Value", "Key", "Folder" or "File"

    ItemKind Kind() const;

    friend bool operator==(const DetectedItem&, const DetectedItem&) = default;
};

class DetectedItems {
public:
    // Appends the six columns in their order and checks the new row; if an
    // append fails, the row is left out whole. snapshot: what the row's
    // item held when it was found (ItemSnapshot), empty when not taken.
    void Append(DetectedItem item, std::string snapshot = {});
    void Clear();

    std::size_t RowCount() const { return labels_.size(); }
    DetectedItem Row(std::size_t index) const;
    // The row moved out, its columns left empty: for the clean, which
    // empties the store once every row is done.
    DetectedItem TakeRow(std::size_t index);
    bool Checked(std::size_t index) const { return checked_[index]; }
    void SetChecked(std::size_t index, bool checked) { checked_[index] = checked; }
    // The clean deletes a registry item only while it still holds this.
    const std::string& Snapshot(std::size_t index) const { return snapshots_[index]; }
    void SetSnapshot(std::size_t index, std::string snapshot) { snapshots_[index] = std::move(snapshot); }

    // The columns, read-only: rows change only through Append and Clear.
    const std::vector<std::string>& Labels() const { return labels_; }
    const std::vector<std::string>& Mainkey() const { return mainkey_; }
    const std::vector<std::string>& Subkey() const { return subkey_; }
    const std::vector<std::string>& Value() const { return value_; }
    const std::vector<std::string>& ValueType() const { return valueType_; }
    const std::vector<std::string>& Kinds() const { return kinds_; }

private:
    std::vector<std::string> labels_;
    std::vector<std::string> mainkey_;
    std::vector<std::string> subkey_;
    std::vector<std::string> value_;
    std::vector<std::string> valueType_;
    std::vector<std::string> kinds_;
    std::vector<bool> checked_;
    std::vector<std::string> snapshots_;
};

}  // namespace scan

// A file list box (File1) as plain state: the ordinary files (not hidden,
// not system) of one folder that match a pattern, by name, sorted, with at
// most one selected. It lists nothing until it is pointed at a folder.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace plugins {

class FileListBox {
public:
    explicit FileListBox(std::string pattern) : pattern_(std::move(pattern)) {}

    // Lists folder. 0, or the listing's Win32 error code when it cannot be
    // listed (3: no such folder, 5: one the platform deletes nothing in):
    // the box then keeps the folder and the names it had.
    long PointAt(const std::string& folder);
    // Reads the folder again; a folder that is gone lists nothing.
    void Refresh();

    const std::optional<std::string>& Folder() const { return folder_; }
    const std::vector<std::string>& Names() const { return names_; }
    // The path of a listed file: the folder, "\" and its name.
    std::string PathOf(const std::string& name) const { return *folder_ + "\\" + name; }

    std::optional<std::size_t> Selected() const { return selected_; }
    // Selecting a row that is not listed clears the selection.
    void Select(std::optional<std::size_t> row);

private:
    std::string pattern_;
    std::optional<std::string> folder_;
    std::vector<std::string> names_;
    std::optional<std::size_t> selected_;
};

}  // namespace plugins

#include "plugins/file_list_box.h"

#include "platform/file_listing.h"

namespace plugins {

bool FileListBox::PointAt(const std::string& folder) {
    std::vector<std::string> names;
    if (platform::ListFiles(folder, pattern_, false, names) != 0) return false;
    folder_ = folder;
    names_ = std::move(names);
    selected_.reset();
    return true;
}

void FileListBox::Refresh() {
    if (!folder_) return;
    if (platform::ListFiles(*folder_, pattern_, false, names_) != 0) names_.clear();
    selected_.reset();
}

void FileListBox::Select(std::optional<std::size_t> row) {
    selected_ = row && *row < names_.size() ? row : std::nullopt;
}

}  // namespace plugins

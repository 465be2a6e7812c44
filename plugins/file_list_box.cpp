#include "plugins/file_list_box.h"

#include "platform/file_listing.h"

namespace plugins {

long FileListBox::PointAt(const std::string& folder) {
    std::vector<std::string> names;
    if (const long status = platform::ListFiles(folder, pattern_, false, names); status != 0) return status;
    folder_ = folder;
    names_ = std::move(names);
    selected_.reset();
    return 0;
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

// A thin owner of SQLite handles, so that every statement is finalized and
// every connection closed on all paths.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::emulated {

class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Valid() const { return stmt_ != nullptr; }
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::string_view bytes);  // as a blob
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    void Reset();
    std::int64_t Integer(int column) const;
    std::string Bytes(int column) const;
    // The column's bytes until the next Step or Reset.
    std::string_view View(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace platform::emulated

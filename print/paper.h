#pragma once

#include <QPageSize>

#include <optional>
#include <string>

namespace lumina {

// The name shown for a platform paper number; "etc." for numbers outside the table.
std::string PaperName(int paperNumber);

// The page size of a platform paper number; nullopt when there is no such sheet.
std::optional<QPageSize> PageSizeOfPaper(int paperNumber);

// The platform paper number of a page size; 0 when it has none.
int PaperNumberOf(const QPageSize& size);

} // namespace lumina

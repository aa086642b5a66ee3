#include "tests/support/test_services.h"

namespace lumina::test {

std::unique_ptr<TestServices> MakeServicesWithFonts() {
    return std::make_unique<TestServices>(MakeFreeTypeFontSystem());
}

} // namespace lumina::test

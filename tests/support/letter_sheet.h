// A US Letter sheet, for the tests that need a page of another shape than
// the reports' A4.
#pragma once

namespace testsupport {

// In thousandths of an inch, upright.
inline constexpr int kLetterWidth = 8500;
inline constexpr int kLetterHeight = 11000;

}  // namespace testsupport

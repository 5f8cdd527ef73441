// The toolkit's paper-source numbers as the Windows paper-source (bin)
// codes the printer tables speak of.
#pragma once

#include <cstdint>

namespace rt {

// `paperSource` is the toolkit's numbering: OnlyOne 0, Lower 1, Middle 2,
// Manual 3, Envelope 4, EnvelopeManual 5, Auto 6, Tractor 7, SmallFormat 8,
// LargeFormat 9, LargeCapacity 10, Cassette 11, FormSource 12. The answer is
// the bin code (1 "Upper/only one" to 11, 14 cassette, 15 form source), 0
// for a source that has none.
constexpr std::int32_t BinCodeOfPaperSource(int paperSource) {
    if (paperSource >= 0 && paperSource <= 10) return paperSource + 1;
    if (paperSource == 11) return 14;
    if (paperSource == 12) return 15;
    return 0;
}

}  // namespace rt

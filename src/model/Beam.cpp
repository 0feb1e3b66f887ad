// Stability decision of the end supports, shared by the recalculation and the scheme drawing.
#include "model/Beam.h"

namespace balka {

bool CannotCarryLoad(const TBeam& beam) {
    const bool bothFree = beam.LeftSupport == SupportFree && beam.RightSupport == SupportFree;
    if (beam.SpanCount == 1) {
        const bool hingeAndFree =
            (beam.LeftSupport == SupportHinge && beam.RightSupport == SupportFree) ||
            (beam.LeftSupport == SupportFree && beam.RightSupport == SupportHinge);
        return hingeAndFree || bothFree;
    }
    return beam.SpanCount == 2 && bothFree;
}

} // namespace balka

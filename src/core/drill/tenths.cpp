#include "core/drill/tenths.h"

#include <cstdlib>

namespace quorvex {

Bytes tenthsText(int32_t tenths)
{
    // Both parts truncate toward zero; a negative count keeps its sign in front.
    const Bytes sign = tenths < 0 && tenths > -10 ? "-" : "";
    return sign + decimal(tenths / 10) + "." + decimal(std::abs(tenths % 10));
}

} // namespace quorvex

#include "core/reports/certificatetext.h"

#include <algorithm>

namespace quorvex {

std::vector<Operation> involvedOperations(const CertificateInputs& in)
{
    if (!in.mixAndMatch)
        return { in.currentOp };
    std::vector<Operation> involved;
    for (Operation op : allOperations) {
        if (in.ticked[static_cast<size_t>(code(op) - 1)])
            involved.push_back(op);
    }
    return involved;
}

} // namespace quorvex

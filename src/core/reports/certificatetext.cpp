#include "core/reports/certificatetext.h"

#include <algorithm>

namespace quorvex {

Bytes joinOperationNames(const std::array<bool, 4>& ticked)
{
    auto remaining = std::count(ticked.begin(), ticked.end(), true);
    Bytes names;
    for (Operation op : allOperations) {
        if (!ticked[static_cast<size_t>(code(op) - 1)])
            continue;
        names += operationName(op);
        if (remaining == 2)
            names += " and ";
        else if (remaining >= 3)
            names += ", ";
        --remaining;
    }
    return names;
}

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

CertificateLines composeCertificate(const CertificateInputs& in)
{
    CertificateLines lines;
    lines.type = "in " + in.questionTypeText;
    if (in.questionTypeIndex == 0)
        lines.score = decimal(in.correctCount) + " correct out of " + decimal(in.askedCount) + " asked!";
    else
        lines.score = decimal(in.roundRightCount) + " correct in " + decimal(in.roundSeconds) + " s!";
    if (in.tablesOf)
        lines.table = "Using all the numbers up to " + in.tableText + "!";
    else
        lines.table = "Using only the number " + in.tableText + " and numbers up to " + in.upToText + "!";
    lines.involve = "Involving " + (in.mixAndMatch ? joinOperationNames(in.ticked) : operationName(in.currentOp));
    lines.name = in.studentName;
    return lines;
}

} // namespace quorvex

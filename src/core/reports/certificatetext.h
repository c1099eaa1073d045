#pragma once

#include "core/drill/operations.h"

#include <array>
#include <vector>

namespace quorvex {

// What the certificate reads from the main window at the moment it is asked for. Nothing
// comes from the answer log: the certificate states the counters and settings as they stand.
struct CertificateInputs {
    int questionTypeIndex = 0; // item of the question-type list: 0 Practice, else Speed Round
    int32_t correctCount = 0;
    int32_t askedCount = 0;
    int32_t roundRightCount = 0;
    int32_t roundSeconds = 60; // the round-length scroll bar, 1 to 300
    bool tablesOf = true; // "Tables of" rather than "Practice with up to #"
    Bytes tableText = "5"; // displayed texts of the two number lists
    Bytes upToText = "5";
    bool mixAndMatch = false;
    std::array<bool, 4> ticked { false, false, true, false }; // the operation boxes, by code - 1
    Operation currentOp = Operation::Multiplication;
    Bytes studentName;
};

// The operations the "Involving" line names: the current one, or with Mix and Match the ticked
// ones in the fixed order of their codes, whatever order they were ticked in.
std::vector<Operation> involvedOperations(const CertificateInputs& in);

} // namespace quorvex

#include "core/reports/certificatetext.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

struct InvolvedCase {
    const char* name;
    bool mixAndMatch;
    std::array<bool, 4> ticked;
    std::vector<Operation> expected;
};

class Involved : public testing::TestWithParam<InvolvedCase> { };

// Without Mix and Match the boxes left ticked from earlier do not count; with it, the ticked
// operations keep the order of their codes.
TEST_P(Involved, TheCurrentOperationOrTheTickedOnesInOrder)
{
    CertificateInputs in;
    in.currentOp = Operation::Division;
    in.mixAndMatch = GetParam().mixAndMatch;
    in.ticked = GetParam().ticked;
    EXPECT_EQ(involvedOperations(in), GetParam().expected);
}

using enum Operation;
INSTANTIATE_TEST_SUITE_P(Certificate, Involved,
    testing::Values(InvolvedCase { "SingleIsTheCurrentOne", false, { true, true, false, false }, { Division } },
        InvolvedCase { "MixOne", true, { false, false, false, true }, { Division } },
        InvolvedCase { "MixTwo", true, { false, true, true, false }, { Subtraction, Multiplication } },
        InvolvedCase { "MixThree", true, { true, true, true, false }, { Addition, Subtraction, Multiplication } },
        InvolvedCase {
            "MixFour", true, { true, true, true, true }, { Addition, Subtraction, Multiplication, Division } }),
    [](const testing::TestParamInfo<InvolvedCase>& info) { return info.param.name; });

} // namespace

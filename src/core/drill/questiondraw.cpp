#include "core/drill/questiondraw.h"

#include <algorithm>
#include <cassert>

namespace quorvex {

static int32_t uniform(RandomEngine& rng, int32_t low, int32_t high)
{
    return std::uniform_int_distribution<int32_t>(low, high)(rng);
}

std::array<bool, 4> keepOneAllowed(std::array<bool, 4> allowed, Operation cleared)
{
    if (std::none_of(allowed.begin(), allowed.end(), [](bool on) { return on; }))
        allowed[static_cast<size_t>(code(cleared) - 1)] = true;
    return allowed;
}

Operation drawOperation(RandomEngine& rng, const std::array<bool, 4>& allowed)
{
    assert(std::any_of(allowed.begin(), allowed.end(), [](bool on) { return on; }));
    for (;;) {
        const int32_t candidate = uniform(rng, 1, 4);
        if (allowed[static_cast<size_t>(candidate - 1)])
            return operationFromCode(candidate);
    }
}

Question formQuestion(Operation op, int32_t a, int32_t b)
{
    switch (op) {
    case Operation::Addition:
        return { op, a, b };
    case Operation::Subtraction:
        return { op, a + b, b };
    case Operation::Multiplication:
        return { op, a, b };
    case Operation::Division:
        return { op, a * b, b };
    }
    return { op, a, b };
}

Question drawOperands(RandomEngine& rng, const DrillSettings& settings, Operation op, int32_t& lastFirstNum)
{
    const int32_t range = settings.tablesOf ? settings.tableNumber : settings.practiceBound;
    const int32_t lowest = settings.includeZero ? 0 : 1;
    int32_t a = 0;
    do {
        a = uniform(rng, lowest, range);
    } while (a == lastFirstNum);
    lastFirstNum = a;

    const int32_t b = settings.tablesOf ? uniform(rng, 1, settings.tableNumber) : settings.tableNumber;

    return formQuestion(op, a, b);
}

} // namespace quorvex

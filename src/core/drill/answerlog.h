#pragma once

#include "core/bytes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvex {

// One answered question.
struct Treslts {
    Bytes question; // the completed fact, "12 ÷ 3 = 4"
    Bytes operation; // "Addition", ... (a loaded day keeps the file's trailing blank)
    Bytes questionType; // "Practice" or "S. Round"; a loaded day holds the student's name
    Bytes answer; // the typed text, leading zeros kept
    bool correct = false;
    int32_t ticks = 0; // time taken in tenths of a second
    int32_t number = 0; // ordinal: askedCount after the answer was marked

    friend bool operator==(const Treslts&, const Treslts&) = default;
};

// The answer log: slots numbered from 1, of which the first askedCount are the log. Slots
// beyond the count keep what they held (a change of student only sets the count back to 0,
// and the history view restores them exactly). The log grows as needed: there is no ceiling.
class AnswerLog {
public:
    int32_t askedCount() const { return m_askedCount; }

    // Sets the count; slots that did not exist yet are added empty.
    void setAskedCount(int32_t count);

    // Writes the slot after the last valid one and counts it.
    void append(Treslts record);

    // Slot k, 1 <= k <= number of slots.
    Treslts& slot(int32_t k) { return m_slots[static_cast<size_t>(k - 1)]; }
    const Treslts& slot(int32_t k) const { return m_slots[static_cast<size_t>(k - 1)]; }

    // Slots 1 to askedCount.
    std::span<Treslts> records() { return { m_slots.data(), static_cast<size_t>(m_askedCount) }; }
    std::span<const Treslts> records() const { return { m_slots.data(), static_cast<size_t>(m_askedCount) }; }

    size_t slotCount() const { return m_slots.size(); }

    friend bool operator==(const AnswerLog&, const AnswerLog&) = default;

private:
    std::vector<Treslts> m_slots;
    int32_t m_askedCount = 0;
};

} // namespace quorvex

#include "core/drill/answerlog.h"

namespace quorvex {

void AnswerLog::setAskedCount(int32_t count)
{
    if (count < 0)
        count = 0;
    if (static_cast<size_t>(count) > m_slots.size())
        m_slots.resize(static_cast<size_t>(count));
    m_askedCount = count;
}

void AnswerLog::append(Treslts record)
{
    const auto index = static_cast<size_t>(m_askedCount);
    if (index < m_slots.size())
        m_slots[index] = std::move(record);
    else
        m_slots.push_back(std::move(record));
    ++m_askedCount;
}

} // namespace quorvex

#include <algorithm>

#include "match/Match.h"

namespace ravel {

void Match::AddEvent(int32_t kind, int32_t innings, std::initializer_list<int32_t> values) {
    BallEvent event;
    event.mi_kind = kind;
    event.mi_innings = innings;
    event.mi_day = mi_dayIndex;
    event.mi_hours = m_clock.m_hour;
    event.mi_minutes = m_clock.m_minute;
    std::copy_n(values.begin(), std::min(values.size(), event.mi_values.size()), event.mi_values.begin());
    mv_events.push_back(event);
}

}  // namespace ravel

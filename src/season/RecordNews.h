// The texts of record news: the mark a match set, who set it and the mark it
// beat, read from the records table the day's results went into.
#pragma once

#include "season/News.h"

namespace ravel {

// Fills the headline (variant 0 or 1) and the story of a record item.
void WriteRecordNews(const PendingNewsItem& item, InboxMessage& message, int variant);

}  // namespace ravel

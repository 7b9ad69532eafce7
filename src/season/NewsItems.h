// The texts of the news: each item code's headline variants, its story and
// the answers a message offers.
#pragma once

#include <string>

#include "season/News.h"

namespace ravel {

// The inbox message of a pending item: headline (a variant picked at random
// unless the item names one), story, links and the answers it offers.
InboxMessage WriteNewsItem(const PendingNewsItem& item);

// Name texts the stories use (sides: SideName of world/World.h); "" for an
// unknown id.
std::string PlayerName(int playerId);
std::string CoachName(int staffId);

}  // namespace ravel

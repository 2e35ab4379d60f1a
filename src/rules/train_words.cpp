#include "rules/train_words.h"

#include "console/time_format.h"
#include "world/records.h"

namespace wm {

std::string trainWords(const Departure& d) {
    return FormatTime(d.time) + " " + d.destination.str();
}

} // namespace wm

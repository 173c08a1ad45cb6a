#include "app/idle_switch.h"

#include <algorithm>

namespace {

const char kSwitch[] = "--on-idle";

const std::string kRange = "a whole number of seconds from " + std::to_string(kMinIdleSeconds) +
                           " to " + std::to_string(kMaxIdleSeconds);

// The seconds in plain digits, or 0 for anything else.
unsigned long readSeconds(const std::string& value) {
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    // Leading zeros aside, seven digits are past the range, and many would overflow the reading.
    const std::size_t first = value.find_first_not_of('0');
    if (first != std::string::npos && value.size() - first > 6) {
        return kMaxIdleSeconds + 1;
    }
    return std::stoul(value);
}

} // namespace

IdleSwitch parseIdleSwitch(const std::vector<std::string>& args) {
    IdleSwitch idle;
    const auto at = std::find(args.begin(), args.end(), kSwitch);
    if (at == args.end()) {
        return idle;
    }
    idle.present = true;
    if (args.size() == 1) {
        idle.error = std::string(kSwitch) + " needs " + kRange;
        return idle;
    }
    if (args.size() != 2 || at != args.begin()) {
        idle.error = std::string(kSwitch) + " <seconds> takes no other arguments";
        return idle;
    }
    const unsigned long seconds = readSeconds(args[1]);
    if (seconds < kMinIdleSeconds || seconds > kMaxIdleSeconds) {
        idle.error = std::string(kSwitch) + " takes " + kRange + ", not \"" + args[1] + "\"";
        return idle;
    }
    idle.seconds = static_cast<unsigned>(seconds);
    return idle;
}

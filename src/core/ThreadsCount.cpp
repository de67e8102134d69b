#include "core/ThreadsCount.h"

#include <algorithm>
#include <thread>

namespace options {

int ProcessorCount() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

ThreadsChoice ChooseThreadsCount(int asked, int processors) {
    ThreadsChoice choice;
    choice.Asked = asked;
    choice.Limit = ConvertersPerProcessor * std::max(1, processors);
    choice.Count = std::clamp(asked, 1, choice.Limit);
    return choice;
}

std::string ThreadsCapNote(const ThreadsChoice& choice, int processors) {
    if (!choice.Capped()) return {};
    const int shown = std::max(1, processors);
    return "ThreadsCount=" + std::to_string(choice.Asked) + " is more than " +
           std::to_string(ConvertersPerProcessor) + " converters per processor (" +
           std::to_string(shown) + (shown == 1 ? " processor" : " processors") +
           "): " + std::to_string(choice.Count) + " converters are used";
}

}  // namespace options

#pragma once
// How many converters a run gets. ThreadsCount is taken as asked, but never
// below 1 and never above ConvertersPerProcessor converters per processor:
// beyond that they only compete for the processors (and each would start an
// office of its own), while a typing slip such as 1000 would start a
// thousand threads.

#include <string>

namespace options {

inline constexpr int ConvertersPerProcessor = 4;

struct ThreadsChoice {
    int Asked = 1;  // the option's value as the getter reads it
    int Count = 1;  // converters to start
    int Limit = 1;  // ConvertersPerProcessor x processors
    bool Capped() const { return Asked > Limit; }
};

// The processors this process may use, at least 1.
int ProcessorCount();

ThreadsChoice ChooseThreadsCount(int asked, int processors = ProcessorCount());

// What the user is told when the cap applies, such as "ThreadsCount=1000 is
// more than 4 converters per processor (2 processors): 8 converters are
// used"; empty when it does not.
std::string ThreadsCapNote(const ThreadsChoice& choice, int processors = ProcessorCount());

}  // namespace options

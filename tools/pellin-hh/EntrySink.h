#pragma once
// Where extracted entries go. Paths are lists of components already checked
// by ClassifyEntryName. Failures throw std::runtime_error with a message.

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using EntryPath = std::vector<std::string>;

// Thrown by a sink whose folder takes no more data (a full disk, a used-up
// quota): no later entry would fit either, so the extraction stops.
class SinkFull : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One file being written; it appears under its name only on Commit, so a
// file abandoned half-way (damaged entry, crash) never shows as complete.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual void Write(const unsigned char* data, std::size_t size) = 0;
    virtual void Commit() = 0;
};

class EntrySink {
public:
    virtual ~EntrySink() = default;
    virtual void MakeFolder(const EntryPath& path) = 0;
    virtual std::unique_ptr<FileWriter> BeginFile(const EntryPath& path) = 0;
};

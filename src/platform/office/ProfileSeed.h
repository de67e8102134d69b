#pragma once
// A ready-made office profile to start new offices from. An office started
// with an empty profile spends seconds on its first start (it builds the
// profile, runs its graphics self-test and restarts); one started from a copy
// of a profile that has been through that is up in about a second.
//
// The seed lives in the temporary folder, one per user, and is shared by the
// processes of that user. It is taken from the first office that started well
// and replaced only as a whole (copied aside, then renamed into place).

#include <filesystem>
#include <optional>

namespace platform::office {

class ProfileSeed {
public:
    explicit ProfileSeed(std::filesystem::path folder = defaultFolder());

    // The seed folder when a usable one exists.
    std::optional<std::filesystem::path> available() const;
    // Copies the seed into an empty profile folder; false when there is none.
    bool copyTo(const std::filesystem::path& profile) const;
    // Keeps a copy of a working profile as the seed, unless one exists.
    void offer(const std::filesystem::path& profile) const;

    static std::filesystem::path defaultFolder();

private:
    std::filesystem::path folder_;
};

}  // namespace platform::office

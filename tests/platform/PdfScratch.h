#pragma once
// A scratch folder for the PDF tests, removed with everything in it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScratchFolder.h"

class PdfScratch : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return (dir / name).string(); }
    static std::string Bytes(const std::string& path) { return testsupport::ReadBytes(path); }
    static void WriteBytes(const std::string& path, const std::string& bytes) {
        testsupport::WriteBytes(path, bytes);
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                      std::filesystem::directory_iterator()));
    }

    testsupport::ScratchFolder scratch{"pdf"};
    const std::filesystem::path dir = scratch.Path();
};

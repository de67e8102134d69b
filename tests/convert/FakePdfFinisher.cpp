#include "FakePdfFinisher.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/files/FileWrite.h"

namespace fake {

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void FakePdfFinisher::Finish(const std::string& input, const std::string& output,
                             const platform::PdfFinish& finish) {
    const std::string content = ReadFile(input);
    if (beforeWrite) beforeWrite();
    platform::WriteFileBytes(output, content, output);
    last = finish;
    ++finished;
}

void FakePdfFinisher::Join(const std::vector<std::string>& parts, const std::string& output) {
    std::string content;
    for (const std::string& part : parts) content += ReadFile(part);
    platform::WriteFileBytes(output, content, output);
    joinedParts = parts.size();
}

platform::PdfFacts FakePdfFinisher::Inspect(const std::string& path) {
    const std::string content = ReadFile(path);
    if (content.rfind("%PDF", 0) != 0)
        throw std::runtime_error("The PDF written by the office is damaged: " + path);
    platform::PdfFacts facts;
    facts.Pages = 1;
    const std::regex anchor("name=\"(PellinTopic[0-9A-Za-z-]*)\"");
    for (std::sregex_iterator it(content.begin(), content.end(), anchor), end; it != end; ++it)
        facts.NamedDestinations.push_back((*it)[1]);
    std::sort(facts.NamedDestinations.begin(), facts.NamedDestinations.end());
    return facts;
}

std::vector<std::string> FakePdfFinisher::ArchiveProblems(const std::string& path) {
    archiveChecked.push_back(path);
    return archiveProblems;
}

}  // namespace fake

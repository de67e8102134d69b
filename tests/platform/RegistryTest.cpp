#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ScratchFolder.h"
#include "platform/registry/CupsPrinterList.h"
#include "platform/registry/DevicesRegistry.h"
#include "platform/registry/FileRegistry.h"
#include "platform/registry/MemoryRegistry.h"
#include "platform/registry/RegistryTree.h"

namespace fs = std::filesystem;
using platform::RegistryRoot;

namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

class FixedPrinters : public platform::PrinterList {
public:
    explicit FixedPrinters(std::vector<std::string> names) : names_(std::move(names)) {}
    std::vector<std::string> installedPrinters() const override { return names_; }

private:
    std::vector<std::string> names_;
};

}  // namespace

TEST(RegistryTree, KeysAndValueNamesIgnoreCaseAndRootsAreSeparate) {
    platform::RegistryTree tree;
    tree.createKey(kUser, "Software\\Adobe\\Acrobat PDFWriter");
    EXPECT_TRUE(tree.keyExists(kUser, "software\\adobe"));
    EXPECT_TRUE(tree.keyExists(kUser, "SOFTWARE\\ADOBE\\ACROBAT PDFWRITER\\"));
    EXPECT_FALSE(tree.keyExists(kMachine, "Software\\Adobe"));

    EXPECT_TRUE(
        tree.writeValue(kUser, "software\\adobe\\acrobat pdfwriter", "PDFFileName", "/a.pdf"));
    EXPECT_TRUE(
        tree.writeValue(kUser, "Software\\Adobe\\Acrobat PDFWriter", "pdffilename", "/b.pdf"));
    EXPECT_EQ(tree.readValue(kUser, "Software\\Adobe\\Acrobat PDFWriter", "PDFFILENAME"), "/b.pdf");
    EXPECT_FALSE(tree.readValue(kUser, "Software\\Adobe\\Acrobat PDFWriter", "bExecViewer"));
}

TEST(RegistryTree, TextFormKeepsAnyNameAndValueAndEndsLinesInCrLf) {
    platform::RegistryTree tree;
    tree.createKey(kUser, "Software\\Adobe\\Acrobat Distiller\\PrinterJobControl");
    tree.createKey(kMachine, "Software\\shbox\\FreePdfXp");
    const std::string awkwardName = "/opt/a=b/[word] 100%.exe";
    const std::string awkwardValue = "line1\r\nline2\n[x]=%41";
    tree.writeValue(kUser, "Software\\Adobe\\Acrobat Distiller\\PrinterJobControl", awkwardName,
                    awkwardValue);
    tree.writeValue(kMachine, "Software\\shbox\\FreePdfXp", "PDFFilename", "C:\\out\\x.pdf");

    const std::string text = tree.toText();
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        }

    const auto back = platform::RegistryTree::fromText(text);
    EXPECT_EQ(
        back.readValue(kUser, "Software\\Adobe\\Acrobat Distiller\\PrinterJobControl", awkwardName),
        awkwardValue);
    EXPECT_EQ(back.readValue(kMachine, "Software\\shbox\\FreePdfXp", "PDFFilename"),
              "C:\\out\\x.pdf");
    EXPECT_TRUE(back.keyExists(kUser, "Software\\Adobe"));
}

TEST(RegistryTree, ReadsAnyLineEndAndSkipsWhatItDoesNotUnderstand) {
    const auto tree = platform::RegistryTree::fromText(
        "junk before any key\n[Elsewhere\\k]\rx=1\r[CurrentUser\\A\\B]\nname=value\r\nno equals "
        "sign\n");
    EXPECT_EQ(tree.readValue(kUser, "A\\B", "name"), "value");
    EXPECT_FALSE(tree.keyExists(kUser, "Elsewhere\\k"));
    EXPECT_FALSE(tree.readValue(kUser, "A\\B", "no equals sign"));
}

TEST(MemoryRegistry, WritingIntoAMissingKeyThrows) {
    platform::MemoryRegistry registry;
    EXPECT_THROW(registry.writeValue(kUser, "Software\\Missing", "a", "b"), std::runtime_error);
    registry.createKey(kUser, "Software\\Present");
    registry.writeValue(kUser, "Software\\Present", "a", "b");
    EXPECT_EQ(registry.readValue(kUser, "Software\\Present", "A"), "b");
}

TEST(FileRegistry, ValuesOutliveTheObjectAndTheFolderIsCreated) {
    testsupport::ScratchFolder scratch("registry");
    const fs::path file = scratch.Path() / "config" / "pellin" / "registry.txt";
    {
        platform::FileRegistry registry(file);
        EXPECT_FALSE(registry.keyExists(kUser, "Software\\Adobe"));
        registry.createKey(kUser, "Software\\Adobe\\Acrobat PDFWriter");
        registry.writeValue(kUser, "Software\\Adobe\\Acrobat PDFWriter", "PDFFileName",
                            "/out/a b.pdf");
    }
    platform::FileRegistry again(file);
    EXPECT_EQ(again.readValue(kUser, "Software\\Adobe\\Acrobat PDFWriter", "PDFFileName"),
              "/out/a b.pdf");
    EXPECT_NE(scratch.Read("config/pellin/registry.txt").find("PDFFileName=/out/a b.pdf\r\n"),
              std::string::npos);
    EXPECT_THROW(again.writeValue(kUser, "Software\\Missing", "a", "b"), std::runtime_error);
}

TEST(FileRegistry, ConcurrentWritersLoseNoValue) {
    testsupport::ScratchFolder scratch("registry");
    const fs::path file = scratch.Path() / "registry.txt";
    platform::FileRegistry shared(file);
    platform::FileRegistry other(file);  // as a second process would open it
    shared.createKey(kUser, "K");
    constexpr int kPerThread = 25;
    auto writer = [&](platform::FileRegistry& registry, const std::string& prefix) {
        for (int i = 0; i < kPerThread; ++i)
            registry.writeValue(kUser, "K", prefix + std::to_string(i), "v");
    };
    std::thread a(writer, std::ref(shared), "a");
    std::thread b(writer, std::ref(shared), "b");
    std::thread c(writer, std::ref(other), "c");
    a.join();
    b.join();
    c.join();
    for (const char* prefix : {"a", "b", "c"})
        for (int i = 0; i < kPerThread; ++i)
            EXPECT_EQ(shared.readValue(kUser, "K", prefix + std::to_string(i)), "v") << prefix << i;
}

TEST(DevicesRegistry, PrinterListKeyAnswersInstalledPrintersOnly) {
    platform::MemoryRegistry store;
    FixedPrinters printers({"Adobe PDF", "Office_Laser"});
    platform::DevicesRegistry registry(store, printers);
    const std::string devices = platform::DevicesRegistry::kDevicesKey;

    EXPECT_TRUE(registry.keyExists(kUser, devices));
    EXPECT_FALSE(registry.keyExists(kMachine, devices));
    EXPECT_FALSE(registry.readValue(kUser, devices, "Acrobat PDFWriter"));
    ASSERT_TRUE(registry.readValue(kUser, devices, "adobe pdf"));
    EXPECT_FALSE(registry.readValue(kUser, devices, "adobe pdf")->empty());
    EXPECT_TRUE(registry.readValue(kUser, devices, "Office_Laser"));
    EXPECT_THROW(registry.writeValue(kUser, devices, "Fake", "x"), std::runtime_error);
    EXPECT_FALSE(registry.readValue(kUser, devices, "Fake"));
}

TEST(CupsPrinterList, RunsTheProgramAndSurvivesOneThatIsMissingFailsOrHangs) {
    testsupport::ScratchFolder scratch("registry");
    auto script = [&](const std::string& name, const std::string& body) {
        const fs::path path = scratch.Write(name, "#!/bin/sh\n" + body + "\n");
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    };
    const std::string lists = script("lists", "[ \"$1\" = -e ] && printf 'PDF\\n  Laser \\n\\n'");
    const std::string fails = script("fails", "echo Printer; exit 1");
    const std::string hangs = script("hangs", "exec sleep 30");

    EXPECT_EQ(platform::CupsPrinterList(lists).installedPrinters(),
              (std::vector<std::string>{"PDF", "Laser"}));
    EXPECT_TRUE(platform::CupsPrinterList(fails).installedPrinters().empty());
    EXPECT_TRUE(platform::CupsPrinterList((scratch.Path() / "absent").string())
                    .installedPrinters()
                    .empty());

    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(platform::CupsPrinterList(hangs, std::chrono::milliseconds(200))
                    .installedPrinters()
                    .empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

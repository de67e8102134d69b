#pragma once
// The converter that drives a word processor through late-bound automation:
// starting it ("Word.Application", else "WPS.Application"), opening or adding
// a document, closing it and quitting. It also offers a second way to PDF
// through an office suite's "com.sun.star.ServiceManager", which needs no
// running word processor. Each converter thread owns one word processor for
// all its jobs; it is quit when the converter is destroyed.

#include <cstdint>
#include <string>

#include "convert/job/TvxConvertor.h"
#include "platform/automation/AutomationObject.h"

class TvxWordOle : public TvxConvertor {
public:
    TvxWordOle(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone);
    ~TvxWordOle() override;

    // The word processor's Path followed by "/WINWORD.EXE"; throws while none runs.
    std::string PrintingAppPath() override;
    // From MajorVersion 12 on, the open document's HasVBProject; otherwise,
    // or when that cannot be read, the base answer.
    bool HasMacros() override;

    // Creates the word processor and prepares it. Throws the creation error
    // of "WPS.Application" when neither word processor can be created, except
    // that an installed "Word.Application" that fails to start gives its own.
    void StartApplication();
    // Starts the word processor when needed and opens `filePath`, or adds a
    // new blank document when there is no such file. An open document is kept.
    void OpenDocument(const std::string& filePath);
    // Never raise; the object is dropped in every case.
    void CloseDocument();
    void QuitApplication();

    bool ReadOnlyOption() const;
    bool SkipPasswordOption() const;

    // The major number of a version value: "16.0" gives 16; values above 77
    // (a version text read without its decimal point) are divided by ten.
    static std::int32_t ParseMajorVersion(const platform::Variant& version);
    // "file:///" followed by the path; nothing is escaped.
    static std::string FileAddress(const std::string& path);
    // Has the office suite load `sourcePath` and store it as PDF at
    // `targetPath`. True when stored; never raises.
    static bool ExportPdfViaServiceManager(const std::string& sourcePath,
                                           const std::string& targetPath);

    bool IsWps = false;
    platform::ObjectRef WordApp;   // none while not started
    platform::ObjectRef Document;  // none while no document is open
    std::int32_t MajorVersion = 0;

private:
    bool BooleanOption(const char* key) const;
};

#include "platform/pdf/PdfFileAccess.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFSystemError.hh>
#include <qpdf/QPDFWriter.hh>
#include <random>

#include "platform/files/FileWrite.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

std::runtime_error CannotRead(const std::string& path, const std::string& reason) {
    return std::runtime_error("Cannot read " + path + ": " + reason);
}

void CheckReadable(const std::string& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status)) throw CannotRead(path, "The file does not exist.");
    if (!fs::is_regular_file(status)) throw CannotRead(path, "It is not a regular file.");
    if (::access(path.c_str(), R_OK) != 0) throw CannotRead(path, std::strerror(errno));
}

// A new file beside `path` that no other writer shares.
int CreateBeside(const std::string& path, std::string& temp) {
    std::random_device seed;
    for (int attempt = 0;; ++attempt) {
        temp = path + ".part" + std::to_string(seed() % 1000000u);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST || attempt == 20) throw CannotWriteFile(path, errno);
    }
}

// qpdf's output, buffered into a file descriptor. The first failed write
// is kept with its errno and the rest of the output dropped (qpdf's own output
// to a FILE loses the error of its last flush, and it calls finish() where an
// exception would end the program).
class FileOutput final : public Pipeline {
public:
    explicit FileOutput(int fd) : Pipeline("PDF output", nullptr), fd_(fd) {
        buffer_.reserve(BufferBytes);
    }
    void write(unsigned char const* data, size_t len) override {
        if (error_ != 0) return;
        buffer_.append(reinterpret_cast<const char*>(data), len);
        if (buffer_.size() >= BufferBytes) Flush();
    }
    void finish() override { Flush(); }
    int Error() const { return error_; }

private:
    static constexpr std::size_t BufferBytes = 256 * 1024;
    void Flush() {
        if (error_ == 0) error_ = WriteFully(fd_, buffer_.data(), buffer_.size());
        buffer_.clear();
    }
    int fd_;
    int error_ = 0;
    std::string buffer_;
};

// The errno of the first failed write; 0 when all was written.
int WriteTo(QPDF& pdf, int fd) {
    FileOutput output(fd);
    QPDFWriter writer(pdf);
    writer.setOutputPipeline(&output);
    // PDF/A asks for a line end before every "endstream".
    writer.setNewlineBeforeEndstream(true);
    writer.write();
    output.finish();
    return output.Error();
}

}  // namespace

std::runtime_error DamagedPdf(const std::exception& cause) {
    return std::runtime_error(std::string("The PDF written by the office is damaged: ") +
                              cause.what());
}

void OpenPdf(QPDF& pdf, const std::string& path) {
    CheckReadable(path);
    auto logger = QPDFLogger::create();
    logger->setInfo(logger->discard());
    logger->setWarn(logger->discard());
    logger->setError(logger->discard());
    pdf.setLogger(logger);
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(false);
    try {
        pdf.processFile(path.c_str());
    } catch (const QPDFSystemError& error) {
        throw CannotRead(path, std::strerror(error.getErrno()));
    } catch (const std::exception& error) {
        throw DamagedPdf(error);
    }
}

void WritePdf(QPDF& pdf, const std::string& path) {
    std::string temp;
    const int fd = CreateBeside(path, temp);
    int error = 0;
    try {
        error = WriteTo(pdf, fd);
    } catch (const QPDFExc& damaged) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw DamagedPdf(damaged);
    } catch (const std::exception& other) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw FileError("Cannot write " + path + ": " + other.what());
    }
    // Synced before the rename: after a crash the name holds the old file or
    // the whole new one, never an empty one.
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        throw CannotWriteFile(path, error);
    }
}

}  // namespace platform

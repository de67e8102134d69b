#include "platform/pdf/PdfFileAccess.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFSystemError.hh>
#include <qpdf/QPDFWriter.hh>
#include <random>

namespace fs = std::filesystem;

namespace platform {

namespace {

std::runtime_error CannotRead(const std::string& path, const std::string& reason) {
    return std::runtime_error("Cannot read " + path + ": " + reason);
}

std::runtime_error CannotWrite(const std::string& path, const std::string& reason) {
    return std::runtime_error("Cannot write " + path + ": " + reason);
}

void CheckReadable(const std::string& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status)) throw CannotRead(path, "The file does not exist.");
    if (!fs::is_regular_file(status)) throw CannotRead(path, "It is not a regular file.");
    if (::access(path.c_str(), R_OK) != 0) throw CannotRead(path, std::strerror(errno));
}

// A new file beside `path` that no other writer shares.
FILE* CreateBeside(const std::string& path, std::string& temp) {
    std::random_device seed;
    for (int attempt = 0;; ++attempt) {
        temp = path + ".part" + std::to_string(seed() % 1000000u);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (FILE* file = ::fdopen(fd, "wb")) return file;
            const int error = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            throw CannotWrite(path, std::strerror(error));
        }
        if (errno != EEXIST || attempt == 20) throw CannotWrite(path, std::strerror(errno));
    }
}

void WriteTo(QPDF& pdf, FILE* file, const std::string& path) {
    QPDFWriter writer(pdf);
    writer.setOutputFile(path.c_str(), file, false);
    // PDF/A asks for a line end before every "endstream".
    writer.setNewlineBeforeEndstream(true);
    writer.write();
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
    FILE* file = CreateBeside(path, temp);
    std::string failure;
    try {
        WriteTo(pdf, file, path);
    } catch (const QPDFExc& error) {
        std::fclose(file);
        ::unlink(temp.c_str());
        throw DamagedPdf(error);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (failure.empty() && std::fflush(file) != 0) failure = std::strerror(errno);
    if (std::fclose(file) != 0 && failure.empty()) failure = std::strerror(errno);
    if (failure.empty() && ::rename(temp.c_str(), path.c_str()) != 0)
        failure = std::strerror(errno);
    if (!failure.empty()) {
        ::unlink(temp.c_str());
        throw CannotWrite(path, failure);
    }
}

}  // namespace platform

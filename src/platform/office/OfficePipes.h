#pragma once
// The socket files of an office's named pipes. LibreOffice makes one for the
// UNO pipe it accepts on and one for its single-instance check, both in /tmp,
// and removes them only when it ends normally: after a killed office the
// files stay, so the office's guard removes exactly those of its own office.

#include <string>

namespace platform::office {

// "/tmp/OSL_PIPE_<uid>_<name>": the socket of the named pipe `name`.
std::string OfficePipeSocket(const std::string& pipeName);

// The pipe of the single-instance check of the office whose profile is
// `userInstallationUrl` (the -env:UserInstallation value, as given):
// "SingleOfficeIPC_" and the MD5 of the URL's UTF-16 code units, each byte in
// lower-case hex without a leading zero (the office's own spelling).
std::string SingleInstancePipeName(const std::string& userInstallationUrl);

}  // namespace platform::office

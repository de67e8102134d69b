#include "platform/office/OfficePipes.h"

#include <rtl/digest.h>
#include <unistd.h>

#include <cstdio>

#include "platform/office/UnoRuntime.h"

namespace platform::office {

std::string OfficePipeSocket(const std::string& pipeName) {
    return "/tmp/OSL_PIPE_" + std::to_string(::getuid()) + "_" + pipeName;
}

std::string SingleInstancePipeName(const std::string& userInstallationUrl) {
    const OUString url = toUno(userInstallationUrl);
    sal_uInt8 digest[RTL_DIGEST_LENGTH_MD5] = {};
    rtl_digest_MD5(url.getStr(), static_cast<sal_uInt32>(url.getLength() * sizeof(sal_Unicode)),
                   digest, sizeof digest);
    std::string name = "SingleOfficeIPC_";
    for (const sal_uInt8 byte : digest) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(byte));
        name += hex;
    }
    return name;
}

}  // namespace platform::office

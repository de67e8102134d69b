#pragma once
// "com.sun.star.ServiceManager": the service manager of a private office,
// with the bridge's own helper for structs (Bridge_GetStruct) that late-bound
// clients use to build arguments such as PropertyValue.

#include "platform/office/UnoObject.h"

namespace platform::office {

class ServiceManagerObject : public UnoObject {
public:
    // Starts a private office; throws AutomationError when it cannot.
    static ObjectRef create(const OfficeLaunchSettings& settings = {},
                            const OfficeTimeouts& timeouts = {});

    explicit ServiceManagerObject(std::shared_ptr<OfficeConnection> connection);

    Variant invoke(std::string_view member, InvokeKind kind, const VariantList& args) override;

private:
    Variant newStruct(const std::string& typeName);
};

}  // namespace platform::office

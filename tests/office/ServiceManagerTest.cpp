// LibreOffice's service manager reached by member name, the way the
// converter's fallback route calls it.

#include <gtest/gtest.h>

#include "OfficeTestSupport.h"
#include "platform/automation/AutomationCreation.h"
#include "platform/office/OfficeServers.h"

using namespace officetest;
using platform::AutomationError;
using platform::ObjectRef;
using platform::Variant;
using platform::VariantList;

namespace {

class ServiceManagerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!officeInstalled()) return;
        platform::office::RegisterOfficeServers();
        manager_ = platform::CreateAutomationObject("com.sun.star.ServiceManager");
    }
    static void TearDownTestSuite() { manager_.reset(); }
    void SetUp() override { SKIP_WITHOUT_OFFICE(); }

    static ObjectRef pdfFilterProperty() {
        const auto property =
            manager_->call("Bridge_GetStruct", {"com.sun.star.beans.PropertyValue"}).toObject();
        property->put("Name", "FilterName");
        property->put("Value", "writer_pdf_Export");
        return property;
    }

    static inline ObjectRef manager_;
};

TEST_F(ServiceManagerTest, LoadsStoresAsPdfAndClosesByName) {
    ScratchFolder folder("sm");
    const auto page =
        folder.Write("my page.htm", "<html><body><h1>Loaded page</h1><p>Body</p></body></html>");
    const auto pdf = folder.Path() / "my out.pdf";

    const auto desktop =
        manager_->call("createInstance", {"com.sun.star.frame.Desktop"}).toObject();
    // Addresses built the converter's way: blanks are not escaped.
    const auto document =
        desktop
            ->call("loadComponentFromURL", {"file://" + page.string(), "_blank", 0, VariantList{}})
            .toObject();
    document->call("storeToURL",
                   {"file://" + pdf.string(), VariantList{Variant(pdfFilterProperty())}});
    document->call("close", {true});

    EXPECT_NE(std::string::npos, pdfText(pdf).find("Loaded page"));
}

TEST_F(ServiceManagerTest, UnknownMembersAreRefusedAndTheOfficeStaysUsable) {
    try {
        manager_->call("noSuchMethod", {1});
        FAIL() << "an unknown member must raise";
    } catch (const AutomationError& e) {
        EXPECT_EQ(AutomationError::memberNotFound().code(), e.code());
    }
    EXPECT_THROW(manager_->call("Bridge_GetStruct", {"com.sun.star.no.Such"}), AutomationError);
    const auto desktop =
        manager_->call("CREATEINSTANCE", {"com.sun.star.frame.Desktop"}).toObject();
    EXPECT_THROW(desktop->get("NoSuchProperty"), AutomationError);
    EXPECT_NO_THROW(desktop->call("getComponents"));
}

TEST_F(ServiceManagerTest, AHelpFileItselfLoadsAsNothingAndTheStoreFails) {
    const std::string chm = PELLIN_SHARED_DIR "/chm/real/wkhtmltox-au3-help.chm";
    if (!std::filesystem::exists(chm)) GTEST_SKIP() << "sample " << chm << " is missing";
    const auto desktop =
        manager_->call("createInstance", {"com.sun.star.frame.Desktop"}).toObject();
    const Variant loaded =
        desktop->call("loadComponentFromURL", {"file://" + chm, "_blank", 0, VariantList{}});
    EXPECT_THROW(loaded.toObject(), AutomationError);
}

}  // namespace

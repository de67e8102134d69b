#include "convert/output/LinkedPictures.h"

namespace {

constexpr std::int64_t kLinkedPicture = 4;

}  // namespace

int EmbedLinkedPictures(const platform::ObjectRef& document) {
    int asked = 0;
    try {
        const platform::ObjectRef shapes = document->get("InlineShapes").toObject();
        const std::int64_t count = shapes->get("Count").toInt();
        for (std::int64_t i = 1; i <= count; ++i) {
            try {
                const platform::ObjectRef shape = shapes->call("Item", {i}).toObject();
                if (shape->get("Type").toInt() != kLinkedPicture) continue;
                shape->get("LinkFormat").toObject()->put("SavePictureWithDocument", true);
                ++asked;
            } catch (...) {
                // One picture that cannot be embedded stays linked.
            }
        }
    } catch (...) {
    }
    return asked;
}

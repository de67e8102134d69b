#include "platform/office/WordInlineShape.h"

namespace platform::office {

namespace {

class LinkFormat : public DispatchObject {
public:
    LinkFormat(std::shared_ptr<WriterDocument> document,
               css::uno::Reference<css::beans::XPropertySet> graphic)
        : document_(std::move(document)), graphic_(std::move(graphic)) {
        addProperty(
            "SavePictureWithDocument",
            [this](const VariantList&) { return Variant(!document_->isLinked(graphic_)); },
            [this](const Variant& value, const VariantList&) {
                if (value.toBool() && document_->isLinked(graphic_)) document_->embed(graphic_);
            });
    }

private:
    std::shared_ptr<WriterDocument> document_;
    css::uno::Reference<css::beans::XPropertySet> graphic_;
};

}  // namespace

WordInlineShape::WordInlineShape(std::shared_ptr<WriterDocument> document,
                                 css::uno::Reference<css::beans::XPropertySet> graphic)
    : document_(std::move(document)), graphic_(std::move(graphic)) {
    addProperty("Type", [this](const VariantList&) {
        return Variant(document_->isLinked(graphic_) ? kLinkedPicture : kPicture);
    });
    addProperty("LinkFormat", [this](const VariantList&) {
        return Variant(ObjectRef(std::make_shared<LinkFormat>(document_, graphic_)));
    });
}

}  // namespace platform::office

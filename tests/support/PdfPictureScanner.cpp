#include "PdfPictureScanner.h"

#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace pdftest {

namespace {

using Object = QPDFObjectHandle;

constexpr int kMaxFormDepth = 12;

class ContentWalker : public Object::ParserCallbacks {
public:
    ContentWalker(Object resources, QPDFMatrix ctm, int depth, std::vector<PdfPicture>& pictures)
        : resources_(resources), states_{ctm}, depth_(depth), pictures_(pictures) {}

    void handleObject(Object object) override {
        if (object.isInlineImage()) {
            Record(0, 0);
        } else if (object.isOperator()) {
            Operator(object.getOperatorValue());
            operands_.clear();
        } else {
            operands_.push_back(object);
        }
    }
    void handleEOF() override {}

private:
    void Operator(const std::string& op) {
        if (op == "q") states_.push_back(states_.back());
        if (op == "Q" && states_.size() > 1) states_.pop_back();
        if (op == "cm" && operands_.size() == 6) {
            std::vector<double> m;
            for (auto& operand : operands_)
                if (operand.isNumber()) m.push_back(operand.getNumericValue());
            if (m.size() == 6)
                states_.back().concat(QPDFMatrix(m[0], m[1], m[2], m[3], m[4], m[5]));
        }
        if (op == "Do" && operands_.size() == 1 && operands_[0].isName())
            Draw(operands_[0].getName());
    }

    void Draw(const std::string& name) {
        Object xobjects =
            resources_.isDictionary() ? resources_.getKey("/XObject") : Object::newNull();
        Object xobject = xobjects.isDictionary() ? xobjects.getKey(name) : Object::newNull();
        if (!xobject.isStream()) return;
        Object dict = xobject.getDict();
        const auto side = [&](const char* key) {
            return dict.getKey(key).isInteger() ? dict.getKey(key).getIntValueAsInt() : 0;
        };
        if (dict.getKey("/Subtype").isNameAndEquals("/Image"))
            Record(side("/Width"), side("/Height"));
        if (dict.getKey("/Subtype").isNameAndEquals("/Form") && depth_ < kMaxFormDepth) {
            QPDFMatrix ctm = states_.back();
            if (dict.getKey("/Matrix").isMatrix())
                ctm.concat(QPDFMatrix(dict.getKey("/Matrix").getArrayAsMatrix()));
            Object inner = dict.getKey("/Resources");
            ContentWalker walker(inner.isDictionary() ? inner : resources_, ctm, depth_ + 1,
                                 pictures_);
            Object::parseContentStream(xobject, &walker);
        }
    }

    // An image fills the unit square of its user space.
    void Record(int width, int height) {
        const auto box = states_.back().transformRectangle({0, 0, 1, 1});
        pictures_.push_back({{box.llx, box.lly, box.urx, box.ury}, width, height});
    }

    Object resources_;
    std::vector<QPDFMatrix> states_;
    int depth_;
    std::vector<PdfPicture>& pictures_;
    std::vector<Object> operands_;
};

}  // namespace

std::vector<PdfPicture> PicturesOnPage(Object page) {
    std::vector<PdfPicture> pictures;
    QPDFPageObjectHelper helper(page);
    ContentWalker walker(helper.getAttribute("/Resources", false), QPDFMatrix(), 0, pictures);
    helper.parseContents(&walker);
    return pictures;
}

}  // namespace pdftest

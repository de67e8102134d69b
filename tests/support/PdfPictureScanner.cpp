#include "PdfPictureScanner.h"

#include <algorithm>
#include <array>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace pdftest {

namespace {

using Object = QPDFObjectHandle;

constexpr int kMaxFormDepth = 12;

struct Drawn {
    std::vector<PdfPicture> pictures;
    std::vector<PdfLine> lines;
};

struct GraphicsState {
    QPDFMatrix ctm;
    double stroke[3] = {0, 0, 0};
};

class ContentWalker : public Object::ParserCallbacks {
public:
    ContentWalker(Object resources, QPDFMatrix ctm, int depth, Drawn& drawn)
        : resources_(resources), states_{{ctm}}, depth_(depth), drawn_(drawn) {}

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
    std::vector<double> Numbers() {
        std::vector<double> numbers;
        for (auto& operand : operands_)
            if (operand.isNumber()) numbers.push_back(operand.getNumericValue());
        return numbers;
    }

    void Operator(const std::string& op) {
        const std::vector<double> n = Numbers();
        if (op == "q") states_.push_back(states_.back());
        if (op == "Q" && states_.size() > 1) states_.pop_back();
        if (op == "cm" && n.size() == 6)
            states_.back().ctm.concat(QPDFMatrix(n[0], n[1], n[2], n[3], n[4], n[5]));
        if (op == "Do" && operands_.size() == 1 && operands_[0].isName())
            Draw(operands_[0].getName());
        PathOperator(op, n);
    }

    void PathOperator(const std::string& op, const std::vector<double>& n) {
        double* stroke = states_.back().stroke;
        if (op == "RG" && n.size() == 3) std::copy(n.begin(), n.end(), stroke);
        if (op == "G" && n.size() == 1) stroke[0] = stroke[1] = stroke[2] = n[0];
        if (op == "m" && n.size() == 2) point_ = {n[0], n[1]};
        if (op == "l" && n.size() == 2) {
            segments_.push_back({point_[0], point_[1], n[0], n[1]});
            point_ = {n[0], n[1]};
        }
        if (op == "S" || op == "s") {
            const QPDFMatrix& ctm = states_.back().ctm;
            for (const auto& s : segments_) {
                PdfLine line{0, 0, 0, 0, stroke[0], stroke[1], stroke[2]};
                ctm.transform(s[0], s[1], line.X1, line.Y1);
                ctm.transform(s[2], s[3], line.X2, line.Y2);
                drawn_.lines.push_back(line);
            }
        }
        if (op == "S" || op == "s" || op == "n" || op == "f" || op == "F" || op == "B" ||
            op == "b" || op == "f*" || op == "B*" || op == "b*")
            segments_.clear();
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
            QPDFMatrix ctm = states_.back().ctm;
            if (dict.getKey("/Matrix").isMatrix())
                ctm.concat(QPDFMatrix(dict.getKey("/Matrix").getArrayAsMatrix()));
            Object inner = dict.getKey("/Resources");
            ContentWalker walker(inner.isDictionary() ? inner : resources_, ctm, depth_ + 1,
                                 drawn_);
            Object::parseContentStream(xobject, &walker);
        }
    }

    // An image fills the unit square of its user space.
    void Record(int width, int height) {
        const auto box = states_.back().ctm.transformRectangle({0, 0, 1, 1});
        drawn_.pictures.push_back({{box.llx, box.lly, box.urx, box.ury}, width, height});
    }

    Object resources_;
    std::vector<GraphicsState> states_;
    int depth_;
    Drawn& drawn_;
    std::vector<Object> operands_;
    std::array<double, 2> point_{0, 0};
    std::vector<std::array<double, 4>> segments_;
};

Drawn DrawnOnPage(Object page) {
    Drawn drawn;
    QPDFPageObjectHelper helper(page);
    ContentWalker walker(helper.getAttribute("/Resources", false), QPDFMatrix(), 0, drawn);
    helper.parseContents(&walker);
    return drawn;
}

}  // namespace

std::vector<PdfPicture> PicturesOnPage(Object page) { return DrawnOnPage(page).pictures; }

std::vector<PdfLine> StrokedLinesOnPage(Object page) { return DrawnOnPage(page).lines; }

}  // namespace pdftest

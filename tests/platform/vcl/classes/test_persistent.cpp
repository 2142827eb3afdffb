#include "vcl/classes/persistent.h"

#include <gtest/gtest.h>

#include "vcl/system/exception.h"

namespace {

class TFontLike : public TPersistent {
public:
    std::string ClassName() const override { return "TFont"; }
    std::string name;
    void Assign(const TPersistent* source) override {
        if (const auto* f = dynamic_cast<const TFontLike*>(source)) {
            name = f->name;
            return;
        }
        TPersistent::Assign(source);
    }
};

// Knows how to put itself into a TFontLike, which does not know it.
class TStyle : public TPersistent {
public:
    std::string ClassName() const override { return "TStyle"; }

protected:
    void AssignTo(TPersistent* dest) const override {
        if (auto* f = dynamic_cast<TFontLike*>(dest)) {
            f->name = "from style";
            return;
        }
        TPersistent::AssignTo(dest);
    }
};

}  // namespace

TEST(Persistent, AssignAsksDestinationThenSourceThenFails) {
    TFontLike a, b;
    b.name = "Arial";
    a.Assign(&b);
    EXPECT_EQ(a.name, "Arial");
    TStyle style;
    a.Assign(&style);
    EXPECT_EQ(a.name, "from style");
    struct Case {
        TPersistent* dest;
        const TPersistent* source;
        const char* message;
    };
    TPersistent plain;
    const Case cases[] = {
        {&style, &a, "Cannot assign a TFont to a TStyle."},
        {&a, nullptr, "Cannot assign a nil to a TFont."},
        {&plain, &style, "Cannot assign a TStyle to a TPersistent."},
    };
    for (const Case& c : cases) {
        try {
            c.dest->Assign(c.source);
            ADD_FAILURE() << c.message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

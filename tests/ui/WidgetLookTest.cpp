// Placeholder text under light and dark palettes: a hint the field would
// hide is made readable, a readable one is left as the theme gave it.
#include "ui/WidgetLook.h"

#include <gtest/gtest.h>

namespace harvelux {
namespace {

struct Case {
    const char* name;
    QColor base, text, hint;
    bool changed;
};

TEST(WidgetLook, PlaceholderTextIsMadeReadableOnlyWhereTheFieldHidesIt) {
    const Case cases[] = {
        {"light palette, grey hint", QColor(255, 255, 255), QColor(0, 0, 0), QColor(0, 0, 0, 128), false},
        {"dark palette, light hint", QColor(35, 38, 41), QColor(239, 240, 241), QColor(161, 169, 177), false},
        {"dark palette, the light palette's hint", QColor(35, 38, 41), QColor(239, 240, 241), QColor(0, 0, 0, 128),
         true},
    };
    for (const Case& c : cases) {
        QPalette palette;
        palette.setColor(QPalette::Base, c.base);
        palette.setColor(QPalette::Text, c.text);
        palette.setColor(QPalette::PlaceholderText, c.hint);
        const QColor hint = withReadablePlaceholders(palette).color(QPalette::PlaceholderText);
        if (c.changed) {
            EXPECT_EQ(hint.rgb(), c.text.rgb()) << c.name;
            EXPECT_LT(hint.alphaF(), 1.0) << c.name;
        } else {
            EXPECT_EQ(hint, c.hint) << c.name;
        }
    }
}

}  // namespace
}  // namespace harvelux

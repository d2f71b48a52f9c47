#include "editor/EditorFixture.h"

namespace
{

// What is drawn where a control stands in the window's picture: its dark pixels, those of each
// row from the top, and the grey ones, which a black drawing shows only when enlarged smoothly.
struct Ink {
    int dark = 0;
    QList<int> darkRows;
    int grey = 0;
};

Ink InkOf(const QImage& shot, const QWidget* control, qreal ratio)
{
    const QRect area(control->mapTo(control->window(), QPoint()) * ratio, control->size() * ratio);
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int dark = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            const int gray = qGray(shot.pixel(x, y));
            dark += gray < 100;
            ink.grey += gray > 30 && gray < 170;
        }
        ink.darkRows << dark;
        ink.dark += dark;
    }
    return ink;
}

} // namespace

// Run by CTest at each screen scale (QT_SCALE_FACTOR): every control of the left column is drawn
// in the window's picture (all but the web view), the line above "Update Preview" runs its whole
// length, and the drop-down triangle and the window icon are drawn for the scale, not enlarged from
// scale 1.
TEST_F(Editor, IsWholeAndSharpAtTheScreensScale)
{
    Open(Page());
    const qreal ratio = window->devicePixelRatioF();
    ASSERT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble());
    const QImage shot = window->grab().toImage();

    for (const QWidget* control :
         window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(control == Child(u"ieBrowser"_s) || InkOf(shot, control, ratio).dark > 0)
            << qPrintable(control->objectName());
    }

    const QWidget* line = Child(u"Line1"_s);
    const auto lineRows = InkOf(shot, line, ratio).darkRows;
    EXPECT_GE(*std::max_element(lineRows.begin(), lineRows.end()), line->width() * ratio - 1);

    Ink triangle = InkOf(shot, Child(u"picColor"_s), ratio);
    triangle.darkRows.removeAll(0);
    EXPECT_NEAR(triangle.darkRows.size(), 5 * ratio, 1);
    EXPECT_NEAR(triangle.darkRows.value(0), 9 * ratio, 1);
    EXPECT_EQ(triangle.grey, 0);

    // On a scaled screen the icon also has its drawing at twice the size.
    if (ratio > 1) {
        EXPECT_EQ(window->windowIcon().pixmap(QSize(32, 32), 2).width(), 64);
    }
}

#include "editor/EditorFixture.h"

// Where a control stands in the window's picture: the dark pixels of each row that has any, top
// to bottom, and the grey pixels, which a black drawing shows only when it was enlarged smoothly.
static std::pair<QList<int>, int> Ink(const QImage& shot, const QWidget* control, qreal ratio)
{
    const QRect area(control->mapTo(control->window(), QPoint()) * ratio, control->size() * ratio);
    QList<int> rows;
    int grey = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int dark = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            const int gray = qGray(shot.pixel(x, y));
            dark += gray < 100;
            grey += gray > 30 && gray < 170;
        }
        if (dark > 0)
            rows << dark;
    }
    return {rows, grey};
}

// Run by CTest at each screen scale (QT_SCALE_FACTOR): every control of the left column is drawn
// in the window's picture, the line above "Update Preview" runs its whole length, and the
// drop-down triangle and the window icon are drawn for the scale, not enlarged from scale 1.
TEST_F(Editor, IsWholeAndSharpAtTheScreensScale)
{
    Open(Page());
    const qreal ratio = window->devicePixelRatioF();
    ASSERT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble());
    const QImage shot = window->grab().toImage();

    for (const QWidget* control :
         window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(control == Child(u"ieBrowser"_s) || !Ink(shot, control, ratio).first.isEmpty())
            << qPrintable(control->objectName());
    }
    const QWidget* line = Child(u"Line1"_s);
    EXPECT_GE(Ink(shot, line, ratio).first.value(0), line->width() * ratio - 1);

    const auto [triangle, grey] = Ink(shot, Child(u"picColor"_s), ratio);
    EXPECT_NEAR(triangle.size(), 5 * ratio, 1);
    EXPECT_NEAR(triangle.value(0), 9 * ratio, 1);
    EXPECT_EQ(grey, 0);

    // On a scaled screen the icon also has its drawing at twice the size.
    if (ratio > 1) {
        EXPECT_EQ(window->windowIcon().pixmap(QSize(32, 32), 2).width(), 64);
    }
}

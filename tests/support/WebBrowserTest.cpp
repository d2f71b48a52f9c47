#include "WebBrowser.h"

#include "TempAppFolder.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

constexpr int LoadTimeoutMs = 60000;

// Navigates and waits for the page; gives its title and body text.
QStringList Show(WebBrowser& browser, const QString& sPath)
{
    QSignalSpy loaded(&browser, &WebBrowser::loadFinished);
    browser.Navigate(sPath);
    if (!loaded.wait(LoadTimeoutMs) || !loaded.first().first().toBool())
        return {u"(not loaded)"_s};
    QString body;
    bool done = false;
    browser.page()->runJavaScript(u"document.body.textContent"_s, [&](const QVariant& result) {
        body = result.toString();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, LoadTimeoutMs))
        return {u"(no answer from the page)"_s};
    return {browser.title(), body};
}

TEST(WebBrowser, ShowsTheFileAndItsNewContentAtTheSamePath)
{
    TempAppFolder app;
    const QString page = u"home/page #1.html"_s;
    app.WriteFile(page, "<html><head><title>One</title></head><body>first</body></html>");
    WebBrowser browser;
    browser.resize(400, 300);
    browser.show();

    const QString path = app.Path() + u"\\home\\page #1.html"_s;
    EXPECT_EQ(Show(browser, path), QStringList({u"One"_s, u"first"_s}));

    app.WriteFile(page, "<html><head><title>Two</title></head><body>second</body></html>");
    EXPECT_EQ(Show(browser, path), QStringList({u"Two"_s, u"second"_s}));
}

} // namespace

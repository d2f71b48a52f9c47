#include "support/SameSite.h"

#include <QUrl>
#include <gtest/gtest.h>

// Two addresses are one site when the Public Suffix List gives them one registrable domain.
TEST(SameSite, IsTheRegistrableDomainOrTheHostItself)
{
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"https://www.pbskids.org/", "http://pbskids.org/games", true},
        {"http://kids.pbskids.org/", "https://PBSKids.org/", true},
        {"http://pbskids.org/", "http://pbskids.org.example/", false},
        {"http://example.co.uk/", "http://other.co.uk/", false},
        {"https://a.github.io/", "https://b.github.io/", false},
        {"http://127.0.0.1:8080/", "http://127.0.0.1:9090/a", true},
        {"http://10.0.0.1/", "http://20.0.0.1/", false},
        {"http://localhost/", "http://localhost:81/", true},
    };
    for (const auto& [first, second, same] : cases)
        EXPECT_EQ(SameSite::Same(QUrl(QString::fromUtf8(first)), QUrl(QString::fromUtf8(second))),
                  same)
            << first << " " << second;
}
